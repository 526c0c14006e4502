// Test helper: starts the command line held in a UTF-8 file exactly as
// written (CreateProcessW), in the folder given second if any, waits for it
// and exits with its exit code.
// Wine's own command line would turn a quote inside an argument into \".
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  std::string bytes;
  if (FILE* in = _wfopen(argv[1], L"rb")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) bytes.append(buffer, n);
    fclose(in);
  }
  while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.pop_back();
  int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring line(static_cast<size_t>(n) + 1, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &line[0], n);
  STARTUPINFOW startup;
  ZeroMemory(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  const wchar_t* folder = argc > 2 ? argv[2] : nullptr;
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &process))
    return 3;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 4;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}
