// Arbitrary bytes as the configuration file, and as a recent list.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_reader.h"
#include "config/recent_list.h"
#include "fuzz/fuzz_world.h"
#include "tests/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  resetFuzzWorld();
  addFile("C:\\Prog\\Falvex.ini", std::string(reinterpret_cast<const char*>(data), size));
  loadConfiguration(nullptr);
  std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const std::string& folder : recentFoldersOf(bytes))
    if (folder.empty() || folder.size() >= kPathSize) __builtin_trap();
  return 0;
}
