#include "fileops/folder_listing.h"

#include "platform/platform.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

bool listFolderEntries(const char* folder, std::vector<std::string>* paths) {
  std::string base = folder;
  addBackslash(&base);
  std::vector<std::string> names;
  if (!plat::listFolder((base + "*.*").c_str(), &names)) return false;
  for (const std::string& name : names) {
    if (name == "." || name == "..") continue;
    paths->push_back(base + name);
  }
  return true;
}

bool folderContentsInstead() {
  return RunState.folderInternal == 1 &&
         plat::pathIsDirectory(RunState.sourceList[0]);
}
