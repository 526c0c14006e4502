// Test helper: a program an [exec] line starts. It appends its wide command
// line, as UTF-8, as one line of args.txt beside itself, so the test reads
// exactly what it was given.
#include <windows.h>

#include <string>

int wmain() {
  wchar_t module[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  std::wstring record(module, length);
  record = record.substr(0, record.find_last_of(L'\\') + 1) + L"args.txt";
  std::wstring line = std::wstring(GetCommandLineW()) + L"\n";
  int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr,
                                 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &bytes[0], size,
                      nullptr, nullptr);
  HANDLE file = CreateFileW(record.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
