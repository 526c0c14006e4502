// Building the shell's item list and an external command line for 100 and
// for 1000 sources of 200-character paths: the cost must stay linear.
#include <malloc.h>

#include <cstdio>
#include <string>

#include "bench/bench_timer.h"
#include "config/config_model.h"
#include "fileops/transfer.h"
#include "launch/command_line.h"
#include "tests/fake_platform.h"
#include "text/ansi_text.h"

namespace {

double timeFor(int sources) {
  resetFake();
  addFile("C:\\Tools\\rec.exe");
  copyText(RunState.execProgram, kPathSize, "C:\\Tools\\rec.exe");
  for (int i = 0; i < sources; ++i) {
    std::string path = "C:\\data\\" + std::string(180, 'p') + std::to_string(100000 + i) + ".txt";
    addFile(path);
    copyText(RunState.sourceList[i], kLongPathSize, path.c_str());
  }
  RunState.sourceCount = sources;
  return bestMicros(20, [] {
    transferSourceList(nullptr, {}, kTransferCopy);  // no folder: the list is built, nothing sent
    launchWithSources("/x \"%M\" /y");
    fake().log.clear();
  });
}

}  // namespace

int main() {
  // Keep large buffers off fresh mmap pages, so page faults do not swamp
  // what is measured.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  double small = timeFor(100), large = timeFor(1000);
  printf("100 sources %.1f us, 1000 sources %.1f us, ratio %.2f (linear: <= 11)\n", small, large,
         large / small);
  return 0;
}
