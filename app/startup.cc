#include "app/startup.h"

#include <cstring>

#include "app/options.h"
#include "app/run_state.h"
#include "app/sources.h"
#include "config/config_model.h"
#include "config/config_reader.h"
#include "menu/menu_build.h"
#include "menu/menu_run.h"
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
  // A program folder too long for its field leaves paths built from it
  // empty, which later lookups simply do not find.
  if (!copyText(RunState.programFolder, kPathSize, folder.c_str()))
    RunState.programFolder[0] = '\0';
  copyText(RunState.readmePath, kPathSize, RunState.programFolder);
  appendText(RunState.readmePath, kPathSize, "Falvex.txt");
  RunState.baseFolder[0] = '\0';
  RunState.screenWidth = screenWidth;
  RunState.maximizedHeight = maximizedHeight;
  RunState.mouseButtons = mouseButtons;
}

bool runStartupSteps(PlatWindow window, bool shiftDown) {
  const char* commandLine = RunState.commandLine ? RunState.commandLine : "";
  RunState.folderInternal = folderInternalFor(shiftDown, commandLine);
  copyText(RunState.configPath, kPathSize, RunState.programFolder);
  appendText(RunState.configPath, kPathSize, RunState.defaultConfigName);
  if (commandLine[0]) parseOptions(commandLine);
  return loadConfiguration(window) != 0;
}

void dispatchRun(PlatWindow hostWindow) {
  const char* commandLine = RunState.commandLine ? RunState.commandLine : "";
  collectSources(commandLine, kCommandLineText);
  if (RunState.sourceCount == 0 && findTextI(commandLine, "/#c"))
    collectClipboardSources(hostWindow);
  if (RunState.sourceCount == 0) {
    runMenu(hostWindow, 1);
  } else if (RunState.presetDestination > 0) {
    runPresetDestination(hostWindow);
  } else {
    runMenu(hostWindow, 0);
  }
}

void onMenuSelect(int item, unsigned flags, PlatMenu menu) {
  RunState.menuSelItem = item;
  RunState.menuSelMenu = menu;
  RunState.menuSelByMouse = (flags & 0x8000) ? 1 : 0;  // MF_MOUSESELECT
}

bool onInitMenuPopup(PlatMenu submenu, int position) {
  if (!RunState.menuSelMenu) return false;
  int id = 0;
  if (plat::menuItemIdAt(RunState.menuSelMenu, position, &id)) {
    int k = id - kDirItemBaseId;
    if (k >= 0 && k < DirEntries.count && DirEntries.kind[k] == kDirSubmenu)
      fillDirMenu(submenu, k, 1);
  }
  return RunState.menuSelByMouse == 1;
}

bool onKillFocus() {
  if (RunState.menuShowing != 1) return false;
  RunState.swallowClick = 1;
  return true;
}

int onLeftButtonDown() {
  if (RunState.swallowClick != 1) return 0;
  RunState.swallowClick = 0;
  return 1;
}
