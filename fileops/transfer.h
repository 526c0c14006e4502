// Copy and move through the shell's file operation, to folders given: what
// a choice sends to is worked out before (menu/destination_plan.h).
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

// Sends every source to each folder in turn: a copy to all but the last,
// which is moved to when mode is kTransferMove. A failure, a cancel or a
// folder gone stops the rest.
void transferSourceList(PlatWindow window, const std::vector<std::string>& folders, int mode);
// The same with the entries of the first source folder as the items.
void transferFolderContents(PlatWindow window, const std::vector<std::string>& folders,
                            int mode);
