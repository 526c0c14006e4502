// falvex-check's entry point: the command line is read wide, so a name the
// code page cannot hold arrives marked and is refused, never best-fit
// turned into the name of another file.
#include <windows.h>

#include <string>

#include "app/program_arguments.h"
#include "platform/win32/wide_text_win32.h"
#include "tools/falvex_check.h"

int main() {
  std::string commandLine = markedFromWide(GetCommandLineW());
  return runFalvexCheck(argumentsAfterProgramName(commandLine.c_str()));
}
