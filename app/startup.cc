#include "app/startup.h"

#include <cstring>

#include "app/options.h"
#include "app/sources.h"
#include "config/config_model.h"
#include "config/config_reader.h"
#include "config/program_folder.h"
#include "menu/menu_actions.h"
#include "menu/menu_run.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

std::string deriveProgramNames(const char* modulePath) {
  copyText(RunState.modulePath, kLongPathSize, modulePath);
  unquoteSpaces(RunState.modulePath);
  std::string base = splitPath(RunState.modulePath).name;
  std::string configName = base + ".ini";
  copyText(RunState.defaultConfigName, kPathSize, configName.c_str());
  return base;
}

int folderInternalFor(bool shiftDown, const char* commandLine) {
  int internal = shiftDown ? 1 : 0;
  if (findTextI(commandLine, "/#K=sft")) internal = 1 - internal;
  return internal;
}

void initPathsAndMetrics(int screenWidth, int maximizedHeight,
                         int mouseButtons) {
  PathParts parts = splitPath(RunState.modulePath);
  std::string folder = parts.drive + parts.folder;
  // A program folder too long for its field stays empty; every path built
  // from it then fails to form (pathInProgramFolder).
  if (!copyText(RunState.programFolder, kPathSize, folder.c_str()))
    RunState.programFolder[0] = '\0';
  pathInProgramFolder(RunState.readmePath, "Falvex.txt");
  RunState.baseFolder[0] = '\0';
  RunState.screenWidth = screenWidth;
  RunState.maximizedHeight = maximizedHeight;
  RunState.mouseButtons = mouseButtons;
}

bool runStartupSteps(PlatWindow window, bool shiftDown) {
  const char* commandLine = RunState.commandLine ? RunState.commandLine : "";
  RunState.folderInternal = folderInternalFor(shiftDown, commandLine);
  pathInProgramFolder(RunState.configPath, RunState.defaultConfigName);
  if (commandLine[0]) parseOptions(commandLine);
  return loadConfiguration(window) != 0;
}

void dispatchRun(PlatWindow hostWindow) {
  const char* commandLine = RunState.commandLine ? RunState.commandLine : "";
  collectSources(commandLine, kCommandLineText);
  if (RunState.sourceCount == 0 && findTextI(commandLine, "/#c"))
    collectClipboardSources(hostWindow);
  // Names left out are told before anything happens; when nothing else was
  // named, the run ends with the box rather than offering the no-source menu.
  if (tellLeftOutNames(hostWindow) && RunState.sourceCount == 0) return;
  if (RunState.sourceCount == 0) {
    runMenu(hostWindow, 1);
  } else if (RunState.presetDestination != kPresetNone) {
    runPresetDestination(hostWindow);
  } else {
    runMenu(hostWindow, 0);
  }
}
