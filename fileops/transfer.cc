#include "fileops/transfer.h"

#include <vector>

#include "config/config_model.h"
#include "config/recent_list.h"
#include "fileops/folder_listing.h"
#include "state/left_out_names.h"
#include "state/live_nodes.h"
#include "state/marks.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

void appendItem(std::string* items, const std::string& path) {
  items->append(withDriveRoot(path.c_str()));
  items->push_back('\0');
}

std::string shellTarget(const char* folder) {
  std::string to = withDriveRoot(folder);
  to.push_back('\0');  // with the string's own NUL: double-NUL-terminated
  return to;
}

// The shell takes a missing target folder for a new name, so a folder that
// vanished since start would turn a moved file into a file named after it.
// The run stops there and says so.
bool destinationStillThere(PlatWindow window, const std::string& to) {
  if (plat::pathIsDirectory(to.c_str())) return true;
  plat::setForegroundWindow(window);
  plat::messageBoxWithSections(window, {{kTextFolderMissing, {to.c_str()}, 0}},
                            kTextNoticeTitle);
  return false;
}

// One file operation; false on failure, a partly cancelled operation or a
// destination that is gone.
bool runFileOperation(PlatWindow window, const std::string& items, int func,
                      const char* folder) {
  std::string to = shellTarget(folder);
  if (!destinationStillThere(window, to)) return false;
  plat::FileOperation op;
  op.window = window;
  op.func = func;
  op.from = items.c_str();
  op.to = to.c_str();
  op.flags = kFofAllowUndo | (RunState.confirm == kConfirmOff ? kFofNoConfirmation : 0);
  bool aborted = false;
  if (plat::shellFileOperation(op, &aborted) != 0 || aborted) return false;
  RunState.sentCount++;
  return true;
}

// Every destination but the last one gets a copy, so a move leaves the
// sources in place until the last destination has them.
int moveOr(bool last) {
  return (RunState.transferMode == kTransferMove && last) ? kFileOpMove : kFileOpCopy;
}

// The folder n levels above the one that holds the first source, in
// RunState.resolvedDestination; false when the walk leaves existing folders
// or would climb above a drive's root.
bool walkUpLevels(int levels) {
  copyText(RunState.resolvedDestination, kPathSize, RunState.sourceList[0]);
  for (int pass = 0; pass <= levels; ++pass) {
    PathParts parts = splitPath(RunState.resolvedDestination);
    // Nothing holds a drive root: the walk stops there, with nothing to open,
    // instead of turning into the drive's current folder.
    if (parts.name.empty() && parts.ext.empty()) {
      RunState.resolvedDestination[0] = '\0';
      return false;
    }
    std::string up = parts.drive + parts.folder;
    copyText(RunState.resolvedDestination, kPathSize, up.c_str());
    if (!plat::pathIsDirectory(RunState.resolvedDestination)) return false;
    // A root keeps its backslash: C: alone would mean C's current folder.
    if (!(parts.drive.size() == 2 && parts.folder == "\\"))
      removeTrailingBackslash(RunState.resolvedDestination);
  }
  return true;
}

// items: NUL-separated, ended by an empty item. An error or a cancel stops
// the rest; a beep tells that something was sent.
void performTransfer(PlatWindow window, const std::string& items, int target) {
  int operations = 0;
  if (RunState.presetDestination != kPresetNone) {
    if (!walkUpLevels(RunState.presetDestination)) return;
    if (!runFileOperation(window, items, moveOr(true),
                          RunState.resolvedDestination))
      return;
    ++operations;
  } else if (target == kMarkedEntriesTarget) {
    std::vector<const char*> folders = markedFolders();
    for (size_t n = 0; n < folders.size(); ++n) {
      if (!runFileOperation(window, items, moveOr(n + 1 == folders.size()), folders[n])) return;
      ++operations;
    }
  } else if (target >= 0 && target < kMaxGroups) {
    int remaining = Groups.memberCount[target];
    for (int j = 0; j < Groups.memberCount[target]; ++j) {
      if (!runFileOperation(window, items, moveOr(remaining == 1),
                            Groups.member[target][j]))
        return;
      --remaining;
      ++operations;
    }
  }
  // The beep reports a transfer; when nothing was sent anywhere there is
  // nothing to report.
  if (operations > 0) plat::informationBeep();
}

}  // namespace

std::vector<const char*> markedFolders() {
  std::vector<const char*> folders;
  for (Destination marked : markedDestinations()) {
    int k = marked.index;
    if (marked.kind == kMarkDirEntry && k < DirEntries.count)
      folders.push_back(DirEntries.folder[k]);
    else if (marked.kind == kMarkLiveNode && LiveNodes.state[k] != kNodeFree)
      folders.push_back(LiveNodes.folder[k]);
    else if (marked.kind == kMarkRecent && k < Recent.count)
      folders.push_back(Recent.folder[k]);
  }
  return folders;
}

void transferSourceList(PlatWindow window, int target) {
  std::string items;
  for (int i = 0; i < RunState.sourceCount; ++i)
    appendItem(&items, RunState.sourceList[i]);
  performTransfer(window, items, target);
}

void transferFolderContents(PlatWindow window, int target) {
  std::vector<std::string> entries;
  bool listed = listFolderEntries(RunState.sourceList[0], &entries);
  tellLeftOutNames(window);
  if (!listed || entries.empty()) return;
  std::string items;
  for (const std::string& entry : entries) appendItem(&items, entry);
  performTransfer(window, items, target);
}

