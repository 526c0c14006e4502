// What a chosen destination does: copy, move or a program per folder.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"


struct DestinationAction {
  int target;                        // group index, or marked entries
  std::vector<std::string> folders;  // where an [exec] program runs
  std::string openFolder;            // opened afterwards, if asked
};

// Transfers (or launches per folder); true when the opening step may follow.
bool performDestination(PlatWindow window, const DestinationAction& action);

// The browser's start folder: the base folder, else the first source's.
std::string browseStartFolder();

// A group named on the command line, run without the menu.
void runNamedGroup(PlatWindow window, int group);
