#include "launch/launcher.h"

#include "launch/command_items.h"
#include "platform/platform.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
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

bool programMayReceive(const char* program, const std::string& name) {
  if (!unsafeForProgram(name, programKindOf(program))) return true;
  noteBatchUnsafeName(name);
  tellLeftOutNames(RunState.hostWindow);
  return false;
}

void launchWithName(const char* program, const std::string& name) {
  if (!plat::pathFileExists(program))
    return launchProgram(program, quoteSpaces(name.c_str()).c_str());
  if (!programMayReceive(program, name)) return;
  launchProgram(program,
                commandLineItem(name, kQuoteWhenSpecialOrBlank, programKindOf(program)).c_str());
}
