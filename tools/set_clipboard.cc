// Test helper: puts a file list (set_clipboard files A B ...) or the text of
// a file (set_clipboard text FILE) on the clipboard, writes "ready" to the
// file named by the first argument, and keeps the clipboard for a while.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>

static HGLOBAL fileList(int count, char** names) {
  std::string list;
  for (int i = 0; i < count; ++i) list.append(names[i]).push_back('\0');
  list.push_back('\0');
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(block);
  return block;
}

static HGLOBAL textOf(const char* file) {
  std::string text;
  if (FILE* in = fopen(file, "rb")) {
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, n);
    fclose(in);
  }
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return block;
}

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND owner = CreateWindowExA(0, "STATIC", "clip", 0, 0, 0, 0, 0, nullptr,
                               nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) return 1;
  EmptyClipboard();
  if (strcmp(argv[2], "files") == 0)
    SetClipboardData(CF_HDROP, fileList(argc - 3, argv + 3));
  else
    SetClipboardData(CF_TEXT, textOf(argv[3]));
  CloseClipboard();
  if (FILE* ready = fopen(argv[1], "wb")) {
    fputs("ready", ready);
    fclose(ready);
  }
  // Stay the clipboard's owner until the test is done with it.
  for (int i = 0; i < 600; ++i) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(100);
  }
  return 0;
}
