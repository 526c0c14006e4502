#include "fileops/browse.h"

#include <cstring>

#include "fileops/folder_listing.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

// The title for the current mode and sources.
UiText browseTitle() {
  bool internal = folderContentsInstead();
  if (RunState.transferMode == kTransferCopy)
    return internal ? kTextBrowseCopyInternal : kTextBrowseCopy;
  return internal ? kTextBrowseMoveInternal : kTextBrowseMove;
}

}  // namespace

std::string browseForDestination(PlatWindow window, const char* startFolder) {
  return plat::browseForFolder(window, browseTitle(),
                               withDriveRoot(startFolder).c_str());
}
