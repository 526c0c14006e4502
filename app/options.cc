#include "app/options.h"

#include <cstring>
#include <string>

#include "config/config_model.h"
#include "config/menu_position.h"
#include "config/program_folder.h"
#include "platform/platform.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

// The value after an option up to the first space (or the given stop
// character) or the end of the text, whole; *tooLong tells that it is
// longer than a path may be, and so names nothing.
std::string optionValue(const char* commandLine, const char* option,
                        char stop, bool* tooLong) {
  *tooLong = false;
  const char* hit = findTextI(commandLine, option);
  std::string value;
  if (!hit) return value;
  for (const char* p = hit + strlen(option); *p && *p != stop; ++p) value += *p;
  *tooLong = !fitsField(value, kPathSize);
  return value;
}

bool hasOption(const char* commandLine, const char* option) {
  return findTextI(commandLine, option) != nullptr;
}

void setDefaultConfigPath() {
  pathInProgramFolder(RunState.configPath, RunState.defaultConfigName);
}

void readConfigOption(const char* commandLine) {
  bool limit = false;
  setDefaultConfigPath();
  if (!hasOption(commandLine, "/#s=")) return;
  std::string name = optionValue(commandLine, "/#s=", ' ', &limit);
  // A name that reaches the limit, or would not fit behind the program
  // folder, falls back to the default rather than naming a cut path.
  if (limit || !pathInProgramFolder(RunState.configPath, name.c_str()) ||
      !plat::pathFileExists(RunState.configPath))
    setDefaultConfigPath();
}

void readPresetDestination(const char* commandLine) {
  bool limit = false;
  if (hasOption(commandLine, "/#0=\"")) {
    std::string value = optionValue(commandLine, "/#0=\"", '"', &limit);
    takeBaseFolder(value);
    RunState.presetDestination = kPresetBrowse;
    return;
  }
  if (hasOption(commandLine, "/#0")) {
    RunState.presetDestination = kPresetBrowse;
    return;
  }
  for (char digit = '1'; digit <= '9'; ++digit) {
    char option[] = {'/', '#', digit, '\0'};
    if (hasOption(commandLine, option)) {
      RunState.presetDestination = digit - '0';
      return;
    }
  }
}

}  // namespace

void parseOptions(const char* commandLine) {
  bool limit = false;
  readConfigOption(commandLine);

  if (hasOption(commandLine, "/#m=")) {
    std::string spec = optionValue(commandLine, "/#m=", ' ', &limit);
    if (!limit && !spec.empty()) parseMenuPosition((spec + "\r\n").c_str(), 0);
  }

  std::string group = optionValue(commandLine, "/#g=", ' ', &limit);
  copyWholeWord(RunState.groupName, kPathSize, group.c_str());

  if (hasOption(commandLine, "/#w")) RunState.confirm = kConfirmOff;
  if (hasOption(commandLine, "/#e")) RunState.openAfter = 1;
  readPresetDestination(commandLine);

  if (hasOption(commandLine, "/#d=copy")) RunState.transferMode = kTransferCopy;
  else if (hasOption(commandLine, "/#d=move")) RunState.transferMode = kTransferMove;

  RunState.execName[0] = '\0';
  if (hasOption(commandLine, "/#a=")) {
    std::string name = optionValue(commandLine, "/#a=", ' ', &limit);
    if (!name.empty() && copyWholeWord(RunState.execName, kPathSize, name.c_str())) {
      RunState.execMode = kExecNamed;
    }
  } else if (hasOption(commandLine, "/#a")) {
    RunState.execMode = kExecFirst;
  }
}
