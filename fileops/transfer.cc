#include "fileops/transfer.h"

#include <vector>

#include "fileops/folder_listing.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

void appendItem(std::string* items, const std::string& path) {
  items->append(withDriveRoot(path.c_str()));
  items->push_back('\0');
}

std::string shellTarget(const char* folder) {
  std::string to = withDriveRoot(folder);
  to.push_back('\0');  // with the string's own NUL: double-NUL-terminated
  return to;
}

// The shell takes a missing target folder for a new name, so a folder that
// vanished since start would turn a moved file into a file named after it.
// The run stops there and says so.
bool destinationStillThere(PlatWindow window, const std::string& to) {
  if (plat::pathIsDirectory(to.c_str())) return true;
  plat::setForegroundWindow(window);
  plat::messageBoxWithSections(window, {{kTextFolderMissing, {to.c_str()}, 0}},
                            kTextNoticeTitle);
  return false;
}

// One file operation; false on failure, a partly cancelled operation or a
// destination that is gone.
bool runFileOperation(PlatWindow window, const std::string& items, int func,
                      const char* folder) {
  std::string to = shellTarget(folder);
  if (!destinationStillThere(window, to)) return false;
  plat::FileOperation op;
  op.window = window;
  op.func = func;
  op.from = items.c_str();
  op.to = to.c_str();
  op.flags = kFofAllowUndo | (RunState.confirm == kConfirmOff ? kFofNoConfirmation : 0);
  bool aborted = false;
  if (plat::shellFileOperation(op, &aborted) != 0 || aborted) return false;
  RunState.sentCount++;
  return true;
}

// items: NUL-separated, ended by an empty item. Every folder but the last
// gets a copy, so a move leaves the sources in place until the last folder
// has them. An error or a cancel stops the rest, without a beep; the beep
// tells that every folder received.
void performTransfer(PlatWindow window, const std::string& items,
                     const std::vector<std::string>& folders, int mode) {
  size_t operations = 0;
  for (const std::string& folder : folders) {
    bool last = operations + 1 == folders.size();
    int func = mode == kTransferMove && last ? kFileOpMove : kFileOpCopy;
    if (!runFileOperation(window, items, func, folder.c_str())) return;
    ++operations;
  }
  // The beep reports a transfer; when nothing was sent anywhere there is
  // nothing to report.
  if (operations > 0) plat::informationBeep();
}

}  // namespace

void transferSourceList(PlatWindow window, const std::vector<std::string>& folders, int mode) {
  std::string items;
  for (int i = 0; i < RunState.sourceCount; ++i)
    appendItem(&items, RunState.sourceList[i]);
  performTransfer(window, items, folders, mode);
}

void transferFolderContents(PlatWindow window, const std::vector<std::string>& folders,
                            int mode) {
  std::vector<std::string> entries;
  bool listed = listFolderEntries(RunState.sourceList[0], &entries);
  tellLeftOutNames(window);
  if (!listed || entries.empty()) return;
  std::string items;
  for (const std::string& entry : entries) appendItem(&items, entry);
  performTransfer(window, items, folders, mode);
}
