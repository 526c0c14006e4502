#pragma once

#include <chrono>

// Best of several rounds of fn, in microseconds.
template <typename Fn>
double bestMicros(int rounds, Fn fn) {
  double best = 1e300;
  for (int i = 0; i < rounds; ++i) {
    auto start = std::chrono::steady_clock::now();
    fn();
    std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    if (took.count() < best) best = took.count();
  }
  return best;
}
