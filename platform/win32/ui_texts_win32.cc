// The Japanese texts live in the resources as raw CP932 bytes and are turned
// into UTF-16 with code page 932 itself, so every Windows shows them right,
// whatever its ANSI code page.
#include "platform/win32/ui_texts_win32.h"

#include <windows.h>

#include "platform/win32/wide_text_win32.h"
#include "res/resource_ids.h"
#include "ui_text_order.h"

namespace {

// RT_RCDATA by its number: windres embeds the texts as raw data.
const WORD kRawDataResource = 10;
const UINT kShiftJis = 932;

const std::string& uiTextBytes(UiText text) {
  static std::string loaded[kUiTextCount];
  std::string& slot = loaded[text];
  if (slot.empty()) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(kUiTextResourceBase + text),
                                MAKEINTRESOURCEA(kRawDataResource));
    HGLOBAL handle = found ? LoadResource(nullptr, found) : nullptr;
    const char* bytes = handle ? static_cast<const char*>(LockResource(handle)) : nullptr;
    if (bytes) slot.assign(bytes, SizeofResource(nullptr, found));
  }
  return slot;
}

}  // namespace

std::wstring uiText(UiText text) {
  const std::string& bytes = uiTextBytes(text);
  return wideFromCodePage(bytes.data(), bytes.size(), kShiftJis);
}

std::wstring uiTextWithNumber(UiText text, int number) {
  std::wstring filled = uiText(text);
  size_t at = filled.find(L"%d");
  if (at != std::wstring::npos) filled.replace(at, 2, std::to_wstring(number));
  return filled;
}
