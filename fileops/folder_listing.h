#pragma once

#include <string>
#include <vector>

// Full paths of the entries of a folder, in the order the file system lists
// them, hidden ones included, "." and ".." left out; not recursive. Names the
// code page cannot hold are left out and noted for the user. Paths are
// built in growable storage, so long entry names cannot overrun anything.
bool listFolderEntries(const char* folder, std::vector<std::string>* paths);

// Folder-internal processing applies: it is on and the first source is an
// existing folder, whose contents are then handled instead of the sources.
bool folderContentsInstead();
