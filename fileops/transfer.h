// Copy and move through the shell's file operation.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

// The marked destinations in the order they receive: [dir] entries in table
// order, then live folders as they were offered, then recent folders in
// list order.
std::vector<const char*> markedFolders();
// Sends every source to the target: a group index 0..9, or 10 for the
// marked [dir] entries; with a preset level the target is ignored.
void transferSourceList(PlatWindow window, int target);
// The same with the entries of the first source folder as the items.
void transferFolderContents(PlatWindow window, int target);
