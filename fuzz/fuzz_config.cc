// Arbitrary bytes as the configuration file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_reader.h"
#include "fuzz/fuzz_world.h"
#include "tests/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  resetFuzzWorld();
  addFile("C:\\Prog\\Falvex.ini", std::string(reinterpret_cast<const char*>(data), size));
  loadConfiguration(nullptr);
  return 0;
}
