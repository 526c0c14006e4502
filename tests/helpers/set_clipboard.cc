// Test helper: set_clipboard READY FORMAT FILE puts the bytes of FILE on the
// clipboard unchanged, as a file list (files: ANSI names, wfiles: UTF-16
// names, each ended by a NUL) or as UTF-16 text (wtext); the closing NULs
// come from the zeroed block. With rawfiles the bytes are the whole CF_HDROP
// block, header included, and nothing is added. It then creates READY and stays the
// clipboard's owner for a minute, until the test kills it.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  std::string data, format = argv[2];
  if (FILE* in = fopen(argv[3], "rb")) {
    for (int c; (c = fgetc(in)) != EOF;) data += static_cast<char>(c);
    fclose(in);
  }
  bool raw = format == "rawfiles";
  size_t header = format == "wtext" || raw ? 0 : sizeof(DROPFILES);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, header + data.size() + (raw ? 0 : 4));
  char* bytes = static_cast<char*>(GlobalLock(block));
  memcpy(bytes + header, data.data(), data.size());
  if (header) {
    reinterpret_cast<DROPFILES*>(bytes)->pFiles = sizeof(DROPFILES);
    reinterpret_cast<DROPFILES*>(bytes)->fWide = format == "wfiles";
  }
  GlobalUnlock(block);
  HWND owner =
      CreateWindowExA(0, "STATIC", "clip", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) return 1;
  EmptyClipboard();
  SetClipboardData(format == "wtext" ? CF_UNICODETEXT : CF_HDROP, block);
  CloseClipboard();
  if (FILE* ready = fopen(argv[1], "wb")) fclose(ready);
  for (int i = 0; i < 600; ++i) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(100);
  }
  return 0;
}
