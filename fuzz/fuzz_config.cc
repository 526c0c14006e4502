// Arbitrary bytes as the configuration file, the finder's typed text over
// what it holds, and a recent list: every line kept is written back whole.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_reader.h"
#include "config/recent_list.h"
#include "menu/finder.h"
#include "text/ansi_text.h"
#include "fuzz/fuzz_world.h"
#include "tests/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  resetFuzzWorld();
  addFile("C:\\Prog\\Falvex.ini", std::string(reinterpret_cast<const char*>(data), size));
  loadConfiguration(nullptr);
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<FinderEntry> entries = collectFinderEntries();
  for (size_t k : findMatches(entries, bytes.substr(0, 24)))
    if (k >= entries.size()) __builtin_trap();
  for (const std::string& folder : recentFoldersOf(bytes))
    if (folder.empty() || folder.size() >= kPathSize) __builtin_trap();
  std::vector<RecentLine> lines = recentLinesOf(bytes);
  std::string written = recentListText(mergedRecent({"D:\\New"}, lines, kMaxRecent + 1));
  for (const RecentLine& line : lines)
    if (!equalsI(line.folder.c_str(), "D:\\New") &&
        written.find(line.text + "\r\n") == std::string::npos)
      __builtin_trap();
  return 0;
}
