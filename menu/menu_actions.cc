#include "menu/menu_actions.h"

#include <cstring>

#include "config/config_model.h"
#include "config/program_locator.h"
#include "config/recent_list.h"
#include "fileops/browse.h"
#include "fileops/folder_listing.h"
#include "fileops/transfer.h"
#include "launch/command_line.h"
#include "launch/launcher.h"
#include "launch/placeholders.h"
#include "menu/destination_plan.h"
#include "menu/live_folders.h"
#include "menu/menu_build.h"
#include "platform/dialogs.h"
#include "state/left_out_names.h"
#include "state/marks.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

void swapIfAsked() {
  if (RunState.invertTransfer == 1)
    RunState.transferMode = RunState.transferMode == kTransferMove ? kTransferCopy : kTransferMove;
}

// A group whose every folder was missing at load sends nothing: the user
// asked for a copy, so a box names the group and its folders, and the run
// ends with its own exit code. A group written without folders stays silent.
bool groupCanSend(PlatWindow window, int g) {
  if (Groups.memberCount[g] > 0 || Groups.missingCount[g] == 0) return true;
  std::vector<std::string> lines = {Groups.plainName[g]};
  for (int j = 0; j < Groups.missingCount[g]; ++j) lines.push_back(Groups.missing[g][j]);
  plat::setForegroundWindow(window);
  plat::messageBoxWithSections(window, {{kTextGroupSentNothing, lines, 0,
                                         kTextGroupSentNothingAdvice}},
                               kTextNoticeTitle);
  RunState.exitCode = kExitNothingSent;
  return false;
}

// The browser's answer, opened on startFolder; empty when cancelled, or
// when the folder's name does not fit a path (told, never cut) or is gone.
std::string browsedFolder(PlatWindow window, const std::string& startFolder) {
  std::string chosen = browseForDestination(window, startFolder.c_str());
  if (chosen.empty()) return chosen;
  if (!fitsField(chosen, kPathSize)) {
    noteTooLongName(chosen);
    tellLeftOutNames(window);
    return std::string();
  }
  return plat::pathIsDirectory(chosen.c_str()) ? chosen : std::string();
}

std::string newFolderParent;  // the folder the dialog's check looks into

UiText checkNewFolderName(const std::string& name) {
  return newFolderNameProblem(newFolderParent, name);
}

// Asks for a new folder's name under a live folder and makes the folder
// (one that exists is used as it is). The node of the folder, -1 when the
// dialog was cancelled or the folder could not be made (which a box says,
// as for a destination gone); *made names a folder this run made.
int askForNewFolder(PlatWindow window, int parent, std::string* made) {
  newFolderParent = LiveNodes.folder[parent];
  std::string initial = splitPath(RunState.sourceList[0]).name;
  std::string name = plat::askFolderName(window, newFolderParent.c_str(), initial,
                                         checkNewFolderName);
  if (name.empty()) return -1;
  std::string path = pathInFolder(newFolderParent.c_str(), name);
  if (!plat::pathIsDirectory(path.c_str())) {
    if (!plat::createFolder(path.c_str())) {
      plat::setForegroundWindow(window);
      plat::messageBoxWithSections(window, {{kTextFolderNotMade, {path}, 0}}, kTextErrorTitle);
      return -1;
    }
    *made = path;
  }
  int node = liveNodeFor(path.c_str(), parent);
  if (node < 0 && !made->empty()) plat::removeEmptyFolder(made->c_str());
  return node;
}

// The plan carried out, then the folder opened when asked and the
// transfer may be followed up.
void performThenOpen(PlatWindow window, const DestinationPlan& plan, bool open, int delayMs) {
  if (!performDestination(window, plan) || !open) return;
  if (delayMs > 0) plat::sleepMs(delayMs);
  openDestination(plan.openFolder.c_str());
}

// Carries out a choice's plan, then remembers the folders sent to.
void performAndRemember(PlatWindow window, const DestinationPlan& plan, bool openNow,
                        const std::string& madeFolder) {
  performThenOpen(window, plan, openNow || RunState.openAfter == 1, 0);
  // A transfer cancelled before anything arrived leaves the folder it made
  // empty: it goes again. One that existed before is never touched, nor one
  // handed to a program, which may fill it later.
  if (!madeFolder.empty() && RunState.execMode == kExecNone)
    plat::removeEmptyFolder(madeFolder.c_str());
  // Only a run that sent something remembers where to.
  if (plan.remembered && RunState.sentCount > 0) recordRecentFolders(plan.folders);
}

void openWithEditor(const char* path) { launchWithName(Config.editorPath, path); }

}  // namespace

bool performDestination(PlatWindow window, const DestinationPlan& plan) {
  bool contents = folderContentsInstead();
  if (RunState.execMode != kExecNone) {
    for (const std::string& folder : plan.programFolders) {
      if (!programMayReceive(RunState.execProgram, folder)) continue;
      std::string filled;
      if (!fillDestinationPlaceholders(RunState.execParams, folder.c_str(),
                                       programKindOf(RunState.execProgram), &filled)) {
        noteCommandTooLong(RunState.sourceCount);
        tellLeftOutNames(window);
        continue;
      }
      if (contents) launchWithFolderContents(filled.c_str());
      else launchWithSources(filled.c_str());
      RunState.sentCount++;
    }
    return false;
  }
  if (contents) transferFolderContents(window, plan.folders, plan.mode);
  else transferSourceList(window, plan.folders, plan.mode);
  return true;
}

std::string browseStartFolder() {
  if (plat::pathIsDirectory(RunState.baseFolder)) return RunState.baseFolder;
  PathParts parts = splitPath(RunState.sourceList[0]);
  char folder[kPathSize];
  copyText(folder, sizeof folder, (parts.drive + parts.folder).c_str());
  addBackslash(folder, sizeof folder);
  removeTrailingBackslash(folder);
  return folder;
}

void openDestination(const char* destinationFolder) {
  if (!plat::pathFileExists(Config.filerPath) || !Config.filerParams[0])
    return launchWithName(Config.filerPath, withDriveRoot(destinationFolder));
  if (!programMayReceive(Config.filerPath, destinationFolder)) return;
  std::string filled;
  if (fillDestinationPlaceholders(Config.filerParams, destinationFolder,
                                  programKindOf(Config.filerPath), &filled)) {
    launchProgram(Config.filerPath, filled.c_str());
  } else {
    noteCommandTooLong(1);  // the one folder it is handed
    tellLeftOutNames(RunState.hostWindow);
  }
}

void runNamedGroup(PlatWindow window, int group) {
  if (!groupCanSend(window, group)) return;
  // Ctrl is not asked here, and the opening waits 50 ms: a group run from
  // the command line keeps the timing it always had.
  performThenOpen(window, planForGroup(group), RunState.openAfter == 1, 50);
}

void dispatchMenuChoice(PlatWindow window, int chosenId, bool openNow) {
  DestinationPlan plan;
  LiveItem liveItem = kLiveHere;
  std::string madeFolder;  // a new folder made by this run
  if (int i = dirEntryOfMenuId(chosenId); i >= 0) {
    if (i >= DirEntries.count) return;
    swapIfAsked();
    plan = planForChosenFolder({kMarkDirEntry, i}, DirEntries.folder[i]);
  } else if (int k = recentEntryOfMenuId(chosenId); k >= 0) {
    swapIfAsked();
    plan = planForChosenFolder({kMarkRecent, k}, Recent.folder[k]);
  } else if (chosenId >= kGroupItemBaseId &&
             chosenId < kGroupItemBaseId + kMaxGroups) {
    int g = chosenId - kGroupItemBaseId;
    if (g >= Groups.count || !groupCanSend(window, g)) return;
    swapIfAsked();
    plan = planForGroup(g);
  } else if (chosenId == kSourceItemId) {
    swapIfAsked();  // before the dialog, so its title shows the mode
    std::string folder = browsedFolder(window, browseStartFolder());
    if (folder.empty()) return;
    plan = planForBrowsedFolder(folder);
  } else if (int node = liveNodeOfMenuId(chosenId, &liveItem); node >= 0) {
    swapIfAsked();
    if (liveItem == kLiveMore) {
      // The browser's answer is the one destination: never the live
      // folder it was opened on, which the user did not choose.
      std::string folder = browsedFolder(window, LiveNodes.folder[node]);
      if (folder.empty()) return;
      plan = planForBrowsedFolder(folder);
    } else {
      if (liveItem == kLiveNew) node = askForNewFolder(window, node, &madeFolder);
      if (node < 0) return;
      plan = planForChosenFolder({kMarkLiveNode, node}, LiveNodes.folder[node]);
    }
  } else if (chosenId == kConfigItemId) {
    openWithEditor(RunState.configPath);
    return;
  } else if (chosenId == kHelpItemId) {
    openWithEditor(RunState.readmePath);
    return;
  } else if (chosenId == kVersionItemId) {
    plat::setForegroundWindow(window);
    plat::messageBox(window, kTextVersion, kTextVersionTitle);
    return;
  } else {
    return;
  }
  performAndRemember(window, plan, openNow, madeFolder);
}

void sendToChosenFolder(PlatWindow window, Destination destination, const char* folder,
                        bool openNow) {
  swapIfAsked();
  performAndRemember(window, planForChosenFolder(destination, folder), openNow, "");
}

void runPresetDestination(PlatWindow window) {
  DestinationPlan plan;
  if (RunState.presetDestination == kPresetBrowse) {
    std::string folder = browsedFolder(window, browseStartFolder());
    if (folder.empty()) return;
    plan = planForBrowsedFolder(folder);
    performDestination(window, plan);
  } else {
    // A walk up only ever copies or moves, [exec] mode or not, as it always did.
    if (!planForLevelsUp(RunState.presetDestination, &plan)) return;
    transferSourceList(window, plan.folders, plan.mode);
  }
  if (RunState.openAfter == 1 && plat::pathIsDirectory(plan.openFolder.c_str()))
    openDestination(plan.openFolder.c_str());
}
