#include "launch/launcher.h"

#include "platform/platform.h"
#include "text/ansi_text.h"

void launchProgram(const char* program, const char* parameters) {
  if (plat::pathFileExists(program)) {
    PathParts parts = splitPath(program);
    std::string workingFolder = parts.drive + parts.folder;
    plat::shellExecute(program, parameters, workingFolder.c_str());
  } else {
    // No such program (none configured, or it is gone): the shell opens the
    // argument itself with its default handler, so a folder still opens in
    // the system's file manager.
    plat::shellExecute(parameters, nullptr, nullptr);
  }
}
