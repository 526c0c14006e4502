// Arbitrary text through both source scans, or as a block on the clipboard
// (a file list or wide text); the first byte picks the form, whether macros
// are expanded, the code page, and whether the text follows a marked name
// at Windows' limit (259 characters, one more or one less), which exists.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/sources.h"
#include "config/config_model.h"
#include "fuzz/fuzz_world.h"
#include "state/run_state.h"
#include "tests/fake_platform.h"
#include "text/ansi_text.h"

namespace {

// "C:\Work\" and marked characters up to length units in all.
std::string markedNameOf(size_t length) {
  std::string name = "C:\\Work\\";
  for (size_t k = 8; k < length; ++k) name += k % 2 ? "\x01" "00E9" : "\x01" "D55C";
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  resetFuzzWorld();
  Config.expandMacros = data[0] & 1;
  std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  // A command line or a clipboard text comes marked whole from the wide
  // calls: a mark's byte alone is never in it (the ANSI clipboard's is
  // made another byte), so the fuzzer's stands for no mark either.
  std::replace(text.begin(), text.end(), kUnheldMark, '\x02');
  fake().codePage = data[0] & 0x20 ? 65001 : 932;
  if (data[0] & 0x10) {
    size_t length = 258 + (data[0] >> 7) + (size % 2);  // 258 to 260 characters
    addFile(markedNameOf(length));
    text = markedNameOf(length) + text;
  }
  if (data[0] & 4) {
    plat::ClipboardFormat format = (data[0] & 8) ? plat::kClipboardUnicodeText
                                                 : plat::kClipboardFileList;
    fake().clipboardBlocks[format] = text;
    collectClipboardSources(nullptr);
  } else {
    collectSources(text.c_str(), (data[0] & 2) ? kLineText : kCommandLineText);
  }
  // Every source is a whole name that fits its field; none was cut, and no
  // mark cut short reached the system.
  for (int i = 0; i < RunState.sourceCount; ++i)
    if (!RunState.sourceList[i][0] || unitCount(RunState.sourceList[i]) > fieldUnits(kLongPathSize))
      __builtin_trap();
  if (!alteredNameUsed.empty()) __builtin_trap();
  return 0;
}
