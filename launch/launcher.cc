#include "launch/launcher.h"

#include "platform/platform.h"
#include "text/ansi_text.h"

void launchProgram(const char* program, const char* parameters) {
  if (plat::pathFileExists(program)) {
    PathParts parts = splitPath(program);
    std::string workingFolder = parts.drive + parts.folder;
    plat::shellExecute(program, parameters, workingFolder.c_str());
  } else {
    plat::shellExecute(parameters, nullptr, nullptr);
  }
}
