// The Japanese texts live in the resources as raw CP932 bytes, so they reach
// MessageBoxA and the folder browser exactly as stored, whatever the code
// page of the source tree.
#include "platform/win32/ui_texts_win32.h"

#include <windows.h>

#include <string>

#include "res/resource_ids.h"

const char* uiTextBytes(UiText text) {
  static std::string loaded[kUiTextCount];
  std::string& slot = loaded[text];
  if (slot.empty()) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(kUiTextResourceBase + text),
                                MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL handle = found ? LoadResource(nullptr, found) : nullptr;
    const char* bytes = handle ? static_cast<const char*>(LockResource(handle)) : nullptr;
    if (bytes) slot.assign(bytes, SizeofResource(nullptr, found));
  }
  return slot.c_str();
}
