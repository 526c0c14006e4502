#include "fileops/browse.h"

#include <cstring>

#include "state/run_state.h"
#include "fileops/folder_listing.h"
#include "text/ansi_text.h"

UiText browseTitle() {
  bool internal = folderContentsInstead();
  if (RunState.transferMode == kTransferCopy)
    return internal ? kTextBrowseCopyInternal : kTextBrowseCopy;
  return internal ? kTextBrowseMoveInternal : kTextBrowseMove;
}

std::string browseForDestination(PlatWindow window, const char* startFolder) {
  char start[kPathSize];
  copyText(start, sizeof start, startFolder);
  size_t n = strlen(start);
  if (n > 0 && n < 3 && start[n - 1] == ':') addBackslash(start, sizeof start);
  return plat::browseForFolder(window, browseTitle(), start);
}
