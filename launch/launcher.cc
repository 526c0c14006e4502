#include "launch/launcher.h"

#include <cstring>

#include "launch/command_items.h"
#include "platform/platform.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

// Windows takes a command line of at most 32,767 UTF-16 units with its NUL;
// a longer one is cut, and the program reads a cut name or a shortened list.
const size_t kCommandLineUnits = 32767;

}  // namespace

bool commandLineFits(const char* program, const char* parameters) {
  // The program's name quoted, a blank, the parameters and the NUL.
  return unitCount(program, strlen(program)) + unitCount(parameters, strlen(parameters)) + 4 <=
         kCommandLineUnits;
}

bool launchProgram(const char* program, const char* parameters) {
  if (!commandLineFits(program, parameters)) return false;
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
  return true;
}

bool programMayReceive(const char* program, const std::string& name) {
  if (!unsafeForProgram(name, programKindOf(program))) return true;
  noteBatchUnsafeName(name);
  tellLeftOutNames(RunState.hostWindow);
  return false;
}

void launchWithName(const char* program, const std::string& name) {
  if (!plat::pathFileExists(program)) {
    launchProgram(program, quoteSpaces(name.c_str()).c_str());
    return;
  }
  if (!programMayReceive(program, name)) return;
  launchProgram(program,
                commandLineItem(name, kQuoteWhenSpecialOrBlank, programKindOf(program)).c_str());
}
