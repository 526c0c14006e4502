// Arbitrary command-line text through the option parser.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/options.h"
#include "fuzz/fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  resetFuzzWorld();
  std::string text(reinterpret_cast<const char*>(data), size);
  parseOptions(text.c_str());
  return 0;
}
