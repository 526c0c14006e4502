// Copy and move through the shell's file operation.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

// The marked destinations in the order they receive: [dir] entries in table
// order, then recent folders in list order.
std::vector<const char*> markedFolders();
// Sends every source to the target: a group index 0..9, or 10 for the
// marked [dir] entries; with a preset level the target is ignored.
void transferSourceList(PlatWindow window, int target);
// The same with the entries of the first source folder as the items.
void transferFolderContents(PlatWindow window, int target);
// items: NUL-separated, ended by an empty item. An error or a cancel stops
// the rest; a beep tells that something was sent.
void performTransfer(PlatWindow window, const std::string& items, int target);

// The folder n levels above the one that holds the first source, in
// RunState.resolvedDestination; false when the walk leaves existing folders
// or would climb above a drive's root.
bool walkUpLevels(int levels);
