// What a choice sends to, worked out once: every way to choose (a [dir]
// item, a live folder, a recent one, a group, the marks, the finder, the
// browser, a preset walk up) becomes one plan, and the copy, the programs,
// the opening and the recent list all take it.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "state/marks.h"

struct DestinationPlan {
  // The folders that receive the sources, in order: a copy to each but the
  // last, which is moved to when mode is kTransferMove.
  std::vector<std::string> folders;
  int mode;
  // Where an [exec] program runs, once each: the folder chosen, or a
  // group's members; never the other marks.
  std::vector<std::string> programFolders;
  std::string openFolder;  // opened afterwards, if asked
  bool remembered;         // a choice in the menu goes to the recent list
};

// A folder item chosen: it is marked with the others, and every marked
// destination receives (in the order of the marks).
DestinationPlan planForChosenFolder(Destination chosen, const char* folder);
// A group: its members in order; one click already, so not remembered.
DestinationPlan planForGroup(int group);
// The one folder the browser answered: the marks are not asked.
DestinationPlan planForBrowsedFolder(const std::string& folder);
// The folder levels up from the one holding the first source; false when
// the walk leaves existing folders or would climb above a drive's root.
bool planForLevelsUp(int levels, DestinationPlan* plan);

// The marked destinations' folders in the order they receive: [dir] entries
// in table order, then live folders as they were offered, then recent
// folders in list order.
std::vector<std::string> markedFolders();
