// Arbitrary text through both source scans, or as a block on the clipboard
// (a file list or wide text); the first byte picks the form and whether
// macros are expanded.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/sources.h"
#include "config/config_model.h"
#include "fuzz/fuzz_world.h"
#include "state/run_state.h"
#include "tests/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  resetFuzzWorld();
  Config.expandMacros = data[0] & 1;
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (data[0] & 4) {
    plat::ClipboardFormat format = (data[0] & 8) ? plat::kClipboardUnicodeText
                                                 : plat::kClipboardFileList;
    fake().clipboardBlocks[format] = text;
    collectClipboardSources(nullptr);
  } else {
    collectSources(text.c_str(), (data[0] & 2) ? kLineText : kCommandLineText);
  }
  for (int i = 0; i < RunState.sourceCount; ++i)
    if (!RunState.sourceList[i][0]) __builtin_trap();
  return 0;
}
