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
#include "menu/live_folders.h"
#include "menu/menu_build.h"
#include "menu/menu_run.h"
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

DestinationAction groupAction(int g) {
  DestinationAction action;
  action.target = g;
  for (int j = 0; j < Groups.memberCount[g]; ++j)
    action.folders.push_back(Groups.member[g][j]);
  action.openFolder = Groups.member[g][0];
  return action;
}

// Puts the browsed folder into entry 0 as the only marked entry; false when
// the dialog was cancelled.
bool browseIntoFirstEntry(PlatWindow window, const std::string& startFolder) {
  std::string chosen = browseForDestination(window, startFolder.c_str());
  // Marked, a folder's name may no longer fit: told, never cut.
  if (!copyText(DirEntries.folder[0], kPathSize, chosen.c_str())) {
    noteTooLongName(chosen);
    tellLeftOutNames(window);
    return false;
  }
  if (!plat::pathIsDirectory(DirEntries.folder[0])) return false;
  DirEntries.count = 1;
  clearMarks();  // the answer is the one destination
  setMarked({kMarkDirEntry, 0}, true);
  return true;
}

DestinationAction singleFolderAction(const char* folder) {
  DestinationAction action;
  action.target = kMarkedEntriesTarget;
  action.folders.push_back(folder);
  action.openFolder = folder;
  return action;
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

// A chosen folder item is one of the marked ones, marked or not before.
DestinationAction chosenFolderAction(Destination destination, const char* folder) {
  setMarked(destination, true);
  return singleFolderAction(folder);
}

// The transfer (or the launches), then the folder opened when asked and the
// transfer may be followed up.
void performThenOpen(PlatWindow window, const DestinationAction& action,
                     bool open, int delayMs) {
  if (!performDestination(window, action) || !open) return;
  if (delayMs > 0) plat::sleepMs(delayMs);
  openDestination(action.openFolder.c_str());
}

// Carries out the action of a choice, then remembers the folders sent to.
void performAndRemember(PlatWindow window, const DestinationAction& action, bool openNow,
                        bool remembered, const std::string& madeFolder) {
  // The folders chosen, read before the transfer.
  std::vector<std::string> chosen;
  if (remembered)
    for (const char* folder : markedFolders()) chosen.push_back(folder);
  performThenOpen(window, action, openNow || RunState.openAfter == 1, 0);
  // A transfer cancelled before anything arrived leaves the folder it made
  // empty: it goes again. One that existed before is never touched, nor one
  // handed to a program, which may fill it later.
  if (!madeFolder.empty() && RunState.execMode == kExecNone)
    plat::removeEmptyFolder(madeFolder.c_str());
  // Only a run that sent something remembers where to.
  if (RunState.sentCount > 0) recordRecentFolders(chosen);
}

void openWithEditor(const char* path) { launchWithName(Config.editorPath, path); }

}  // namespace

bool performDestination(PlatWindow window, const DestinationAction& action) {
  bool contents = folderContentsInstead();
  if (RunState.execMode != kExecNone) {
    for (const std::string& folder : action.folders) {
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
  if (contents) transferFolderContents(window, action.target);
  else transferSourceList(window, action.target);
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
    noteCommandTooLong(0);
    tellLeftOutNames(RunState.hostWindow);
  }
}

void runNamedGroup(PlatWindow window, int group) {
  if (!groupCanSend(window, group)) return;
  // Ctrl is not asked here, and the opening waits 50 ms: a group run from
  // the command line keeps the timing it always had.
  performThenOpen(window, groupAction(group), RunState.openAfter == 1, 50);
}

void dispatchMenuChoice(PlatWindow window, int chosenId, bool openNow) {
  DestinationAction action;
  LiveItem liveItem = kLiveHere;
  std::string madeFolder;  // a new folder made by this run
  bool remembered = true;  // a group is one click already: not remembered
  if (int i = dirEntryOfMenuId(chosenId); i >= 0) {
    if (i >= DirEntries.count) return;
    swapIfAsked();
    action = chosenFolderAction({kMarkDirEntry, i}, DirEntries.folder[i]);
  } else if (int k = recentEntryOfMenuId(chosenId); k >= 0) {
    swapIfAsked();
    action = chosenFolderAction({kMarkRecent, k}, Recent.folder[k]);
  } else if (chosenId >= kGroupItemBaseId &&
             chosenId < kGroupItemBaseId + kMaxGroups) {
    int g = chosenId - kGroupItemBaseId;
    if (g >= Groups.count || !groupCanSend(window, g)) return;
    swapIfAsked();
    action = groupAction(g);
    remembered = false;
  } else if (chosenId == kSourceItemId) {
    swapIfAsked();  // before the dialog, so its title shows the mode
    if (!browseIntoFirstEntry(window, browseStartFolder())) return;
    action = singleFolderAction(DirEntries.folder[0]);
  } else if (int node = liveNodeOfMenuId(chosenId, &liveItem); node >= 0) {
    swapIfAsked();
    if (liveItem == kLiveMore) {
      if (!browseIntoFirstEntry(window, LiveNodes.folder[node])) return;
      action = singleFolderAction(DirEntries.folder[0]);
    } else if (liveItem == kLiveNew) {
      node = askForNewFolder(window, node, &madeFolder);
      if (node < 0) return;
    }
    action = chosenFolderAction({kMarkLiveNode, node}, LiveNodes.folder[node]);
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
  performAndRemember(window, action, openNow, remembered, madeFolder);
}

void sendToChosenFolder(PlatWindow window, Destination destination, const char* folder,
                        bool openNow) {
  swapIfAsked();
  performAndRemember(window, chosenFolderAction(destination, folder), openNow, true, "");
}

void runPresetDestination(PlatWindow window) {
  if (RunState.presetDestination == kPresetBrowse) {
    if (!browseIntoFirstEntry(window, browseStartFolder())) return;
    RunState.presetDestination = kPresetNone;  // transfer to the entry, not up levels
    performDestination(window, singleFolderAction(DirEntries.folder[0]));
    copyText(RunState.resolvedDestination, kPathSize, DirEntries.folder[0]);
  } else {
    transferSourceList(window, 0);
  }
  if (RunState.openAfter == 1 &&
      plat::pathIsDirectory(RunState.resolvedDestination))
    openDestination(RunState.resolvedDestination);
}
