// Test helper: puts a file list (set_clipboard files A B ...) or the text of
// a file (set_clipboard text FILE) on the clipboard, writes "ready" to the
// file named by the first argument, and keeps the clipboard for a while.
// "wfiles FILE" and "wtext FILE" read UTF-8 (one name per line for wfiles)
// and offer a Unicode file list or Unicode text.
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

static std::string contentOf(const char* file) {
  std::string text;
  if (FILE* in = fopen(file, "rb")) {
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) text.append(buffer, n);
    fclose(in);
  }
  return text;
}

static std::wstring wideOf(const std::string& utf8) {
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], n);
  return wide;
}

static HGLOBAL blockOf(const void* data, size_t size, size_t header = 0) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, header + size);
  memcpy(static_cast<char*>(GlobalLock(block)) + header, data, size);
  GlobalUnlock(block);
  return block;
}

static HGLOBAL wideFileList(const char* file) {
  std::wstring list;
  std::string all = contentOf(file), line;
  for (size_t i = 0; i <= all.size(); ++i) {
    if (i == all.size() || all[i] == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) list += wideOf(line) + L'\0';
      line.clear();
    } else {
      line += all[i];
    }
  }
  list += L'\0';
  HGLOBAL block = blockOf(list.data(), list.size() * sizeof(wchar_t), sizeof(DROPFILES));
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(block));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  GlobalUnlock(block);
  return block;
}

static HGLOBAL wideText(const char* file) {
  std::wstring text = wideOf(contentOf(file));
  return blockOf(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

static HGLOBAL textBlock(const char* file) {
  std::string text = contentOf(file);
  return blockOf(text.c_str(), text.size() + 1);
}

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND owner = CreateWindowExA(0, "STATIC", "clip", 0, 0, 0, 0, 0, nullptr,
                               nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) return 1;
  EmptyClipboard();
  if (strcmp(argv[2], "files") == 0)
    SetClipboardData(CF_HDROP, fileList(argc - 3, argv + 3));
  else if (strcmp(argv[2], "wfiles") == 0)
    SetClipboardData(CF_HDROP, wideFileList(argv[3]));
  else if (strcmp(argv[2], "wtext") == 0)
    SetClipboardData(CF_UNICODETEXT, wideText(argv[3]));
  else
    SetClipboardData(CF_TEXT, textBlock(argv[3]));
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
