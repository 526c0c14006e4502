// Test helper: set_clipboard READY MODE FILE offers the UTF-8 text of FILE
// as a file list, one name per line (files: ANSI, wfiles: Unicode) or as
// Unicode text (wtext), writes "ready" to READY and keeps the clipboard.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

static std::wstring wideOf(const std::string& utf8) {
  std::wstring wide(utf8.size() + 1, L'\0');
  wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                  &wide[0], static_cast<int>(wide.size())));
  return wide;
}

static HGLOBAL blockOf(const void* data, size_t size, size_t header) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, header + size);
  char* bytes = static_cast<char*>(GlobalLock(block));
  memcpy(bytes + header, data, size);
  if (header) reinterpret_cast<DROPFILES*>(bytes)->pFiles = sizeof(DROPFILES);
  GlobalUnlock(block);
  return block;
}

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  std::string text;
  if (FILE* in = fopen(argv[3], "rb")) {
    for (int c; (c = fgetc(in)) != EOF;) text += static_cast<char>(c);
    fclose(in);
  }
  std::wstring wide = wideOf(text), list;
  for (wchar_t c : wide) list += c == L'\n' ? L'\0' : c == L'\r' ? L'\0' : c;
  while (list.find(std::wstring(2, L'\0')) != std::wstring::npos)
    list.erase(list.find(std::wstring(2, L'\0')), 1);
  if (list.empty() || list.back() != L'\0') list += L'\0';
  list += L'\0';  // the list ends with an empty name
  HWND owner = CreateWindowExA(0, "STATIC", "clip", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) return 1;
  EmptyClipboard();
  std::string mode = argv[2];
  if (mode == "wtext") {
    SetClipboardData(CF_UNICODETEXT, blockOf(wide.c_str(), (wide.size() + 1) * 2, 0));
  } else if (mode == "wfiles") {
    HGLOBAL block = blockOf(list.data(), list.size() * 2, sizeof(DROPFILES));
    static_cast<DROPFILES*>(GlobalLock(block))->fWide = TRUE;
    GlobalUnlock(block);
    SetClipboardData(CF_HDROP, block);
  } else {
    std::string ansi(list.size() * 2, '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, 0, list.data(), static_cast<int>(list.size()), &ansi[0],
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    SetClipboardData(CF_HDROP, blockOf(ansi.data(), ansi.size(), sizeof(DROPFILES)));
  }
  CloseClipboard();
  if (FILE* ready = fopen(argv[1], "wb")) fclose(ready);
  // Stay the clipboard's owner until the test is done with it.
  for (int i = 0; i < 600; ++i) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(100);
  }
  return 0;
}
