// The finder over the fake: 5,000 destinations (1,000 [dir] folders and a
// live folder of 4,000 subfolders), filtered once per keystroke of a name
// typed in full. Each keystroke must take well under 10 ms.
#include <cstdio>
#include <string>

#include "bench/bench_timer.h"
#include "config/config_reader.h"
#include "menu/finder.h"
#include "state/run_state.h"
#include "tests/fake_platform.h"
#include "text/ansi_text.h"

int main() {
  resetFake();
  addFolder("C:\\Prog");
  copyText(RunState.programFolder, kPathSize, "C:\\Prog\\");
  copyText(RunState.defaultConfigName, kPathSize, "Falvex.ini");
  std::string config = "[dir]\n";
  for (int i = 0; i < 999; ++i) {
    std::string folder = "D:\\Clients\\Client " + std::to_string(i) + " Ltd";
    addFolder(folder);
    config += folder + "\n";
  }
  for (int i = 0; i < 4000; ++i) addFolder("E:\\Live\\Project_" + std::to_string(i));
  config += "E:\\Live\\* | Live\n%end\n";
  addFile("C:\\Prog\\Falvex.ini", config);
  loadConfiguration(nullptr);
  std::vector<FinderEntry> entries;
  double collect = bestMicros(3, [&] { entries = collectFinderEntries(); });
  const std::string typed = "project_3999";
  double worst = 0;
  for (size_t n = 1; n <= typed.size(); ++n) {
    double took = bestMicros(5, [&] { findMatches(entries, typed.substr(0, n)); });
    if (took > worst) worst = took;
  }
  printf("finder: %zu destinations gathered in %.1f ms; a keystroke filters them in %.2f ms at "
         "worst\n", entries.size(), collect / 1000, worst / 1000);
  return worst < 10000 ? 0 : 1;
}
