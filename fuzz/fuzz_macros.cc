// The first two lines define user macros (name | value); the rest is
// expanded and then used as a parameter template.
#include <cstddef>
#include <cstdint>
#include <string>

#include "config/config_model.h"
#include "config/path_macros.h"
#include "fuzz/fuzz_world.h"
#include "launch/placeholders.h"
#include "text/ansi_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  resetFuzzWorld();
  std::string input(reinterpret_cast<const char*>(data), size);
  input = input.c_str();  // callers only ever pass C strings
  for (int i = 0; i < 2; ++i) {
    size_t lineEnd = input.find('\n');
    if (lineEnd == std::string::npos) break;
    std::string line = input.substr(0, lineEnd);
    input.erase(0, lineEnd + 1);
    size_t bar = line.find(" | ");
    if (bar == std::string::npos) continue;
    copyText(UserMacros.name[UserMacros.count], kMacroNameSize, line.substr(0, bar).c_str());
    copyText(UserMacros.value[UserMacros.count++], kPathSize, line.substr(bar + 3).c_str());
  }
  std::string out = expandPathMacros(input.c_str());
  if (unitCount(out) > kMacroTextLimit) __builtin_trap();
  Config.expandMacros = 1;
  char destination[kPathSize];
  copyText(destination, sizeof destination, out.c_str());
  std::string filled;
  bool fits = fillDestinationPlaceholders(input.c_str(), destination, kProgramDirect, &filled);
  if (fits && unitCount(filled) > kParameterTextLimit) __builtin_trap();
  return 0;
}
