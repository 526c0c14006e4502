// Test helper: appends its own command line, without the program name, as
// one line to args.txt beside itself. Stands in for an external program.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main() {
  const char* line = GetCommandLineA();
  // Skip the program name, quoted or not, and the one blank after it.
  if (*line == '"') {
    const char* close = strchr(line + 1, '"');
    line = close ? close + 1 : line + strlen(line);
  } else {
    while (*line && *line != ' ') ++line;
  }
  if (*line == ' ') ++line;
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  while (n > 0 && path[n - 1] != '\\') --n;
  lstrcpyA(path + n, "args.txt");
  FILE* out = fopen(path, "ab");
  if (!out) return 1;
  fprintf(out, "%s\n", line);
  fclose(out);
  return 0;
}
