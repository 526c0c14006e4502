#include "menu/destination_plan.h"

#include "config/config_model.h"
#include "state/live_nodes.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

DestinationPlan planOf(std::vector<std::string> folders, std::vector<std::string> programFolders,
                       std::string openFolder, bool remembered) {
  return {std::move(folders), RunState.transferMode, std::move(programFolders),
          std::move(openFolder), remembered};
}

}  // namespace

std::vector<std::string> markedFolders() {
  std::vector<std::string> folders;
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

DestinationPlan planForChosenFolder(Destination chosen, const char* folder) {
  setMarked(chosen, true);
  return planOf(markedFolders(), {folder}, folder, true);
}

DestinationPlan planForGroup(int group) {
  std::vector<std::string> members(Groups.member[group],
                                   Groups.member[group] + Groups.memberCount[group]);
  std::string first = members.empty() ? std::string() : members[0];
  return planOf(members, members, first, false);
}

DestinationPlan planForBrowsedFolder(const std::string& folder) {
  return planOf({folder}, {folder}, folder, true);
}

bool planForLevelsUp(int levels, DestinationPlan* plan) {
  char folder[kPathSize];
  copyText(folder, sizeof folder, RunState.sourceList[0]);
  for (int pass = 0; pass <= levels; ++pass) {
    PathParts parts = splitPath(folder);
    // Nothing holds a drive root: the walk stops there, with nothing to
    // open, instead of turning into the drive's current folder.
    if (parts.name.empty() && parts.ext.empty()) return false;
    std::string up = parts.drive + parts.folder;
    copyText(folder, sizeof folder, up.c_str());
    if (!plat::pathIsDirectory(folder)) return false;
    // A root keeps its backslash: C: alone would mean C's current folder.
    if (!(parts.drive.size() == 2 && parts.folder == "\\")) removeTrailingBackslash(folder);
  }
  *plan = planOf({folder}, {folder}, folder, false);
  return true;
}
