// Test helper: starts the command line held in a UTF-16 file exactly as
// written (CreateProcessW), in the folder given second if any, waits for it
// and exits with its exit code.
// Wine's own command line would turn a quote inside an argument into \".
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  static wchar_t line[8192];  // zeroed: the text ends with a NUL
  FILE* in = argc > 1 ? _wfopen(argv[1], L"rb") : nullptr;
  if (!in) return 2;
  fread(line, sizeof *line, 8191, in);
  fclose(in);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (!CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, argc > 2 ? argv[2] : nullptr,
                      &startup, &process))
    return 3;
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 4;
  GetExitCodeProcess(process.hProcess, &code);
  return static_cast<int>(code);
}
