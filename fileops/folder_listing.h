#pragma once

#include <string>
#include <vector>

// Full paths of the entries of a folder, in the order the file system lists
// them, hidden ones included, "." and ".." left out; not recursive. Paths are
// built in growable storage, so long entry names cannot overrun anything.
bool listFolderEntries(const char* folder, std::vector<std::string>* paths);
