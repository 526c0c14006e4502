#include "menu/live_folders.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "menu/menu_build.h"
#include "state/left_out_names.h"
#include "text/ansi_text.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void freeNodeTree(int node);

// Frees the nodes listed below a node, at every depth.
void freeNodesBelow(int node) {
  for (int k = 0; k < kMaxLiveNodes; ++k)
    if (LiveNodes.used[k] && LiveNodes.parent[k] == node) freeNodeTree(k);
}

void freeNodeTree(int node) {
  LiveNodes.used[node] = 0;
  LiveNodes.submenu[node] = nullptr;
  freeNodesBelow(node);
}

void appendNote(PlatMenu menu, UiText text, int number = 0) {
  plat::appendMenuItemText(menu, kMenuString | kMenuGrayed, kLiveNoteId, text, number);
}

}  // namespace

std::string pathInFolder(const char* folder, const std::string& name) {
  std::string path = withDriveRoot(folder);
  addBackslash(&path);
  return path + name;
}

void forgetLiveNodes() { memset(&LiveNodes, 0, sizeof LiveNodes); }

int addLiveNode(const char* folder, int parent) {
  for (int node = 0; node < kMaxLiveNodes; ++node) {
    if (LiveNodes.used[node]) continue;
    LiveNodes.used[node] = 1;
    LiveNodes.parent[node] = parent;
    LiveNodes.marked[node] = 0;
    LiveNodes.submenu[node] = nullptr;
    copyText(LiveNodes.folder[node], kPathSize, folder);
    return node;
  }
  return -1;
}

int attachLiveSubmenu(PlatMenu menu, int itemId, const char* folder, int parent) {
  int node = addLiveNode(folder, parent);
  if (node < 0) return -1;
  LiveNodes.submenu[node] = plat::createMenu();
  plat::setMenuItemSubmenu(menu, itemId, LiveNodes.submenu[node]);
  return node;
}

int liveNodeOfSubmenu(PlatMenu submenu) {
  if (!submenu) return -1;
  for (int node = 0; node < kMaxLiveNodes; ++node)
    if (LiveNodes.used[node] && LiveNodes.submenu[node] == submenu) return node;
  return -1;
}

void forgetLiveSubmenu(PlatMenu submenu) {
  // The folder stays: the menu's choice is carried out after the menus are
  // gone. Only the handle, which may be handed out again, is dropped.
  int node = liveNodeOfSubmenu(submenu);
  if (node >= 0) LiveNodes.submenu[node] = nullptr;
}

int liveNodeOfMenuId(int id, LiveItem* item) {
  const std::pair<int, LiveItem> ranges[] = {
      {kLiveHereBaseId, kLiveHere}, {kLiveNewBaseId, kLiveNew}, {kLiveMoreBaseId, kLiveMore}};
  for (const auto& [base, kind] : ranges) {
    int node = id - base;
    if (node < 0 || node >= kMaxLiveNodes || !LiveNodes.used[node]) continue;
    *item = kind;
    return node;
  }
  return -1;
}

bool logicalLess(const std::string& a, const std::string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      size_t endA = std::min(a.find_first_not_of("0123456789", i), a.size());
      size_t endB = std::min(b.find_first_not_of("0123456789", j), b.size());
      // By value: leading zeros dropped, then the longer run is larger.
      size_t startA = std::min(a.find_first_not_of('0', i), endA);
      size_t startB = std::min(b.find_first_not_of('0', j), endB);
      std::string runA = a.substr(startA, endA - startA), runB = b.substr(startB, endB - startB);
      if (runA.size() != runB.size()) return runA.size() < runB.size();
      if (runA != runB) return runA < runB;
      i = endA;
      j = endB;
      continue;
    }
    char x = foldAscii(a[i]), y = foldAscii(b[j]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    ++i;
    ++j;
  }
  if ((a.size() - i) != (b.size() - j)) return a.size() - i < b.size() - j;
  return a < b;  // the same but for case: a fixed order all the same
}

void fillLiveMenu(PlatMenu submenu, int node) {
  freeNodesBelow(node);  // the folders listed last time
  emptyMenu(submenu);
  std::vector<plat::Subfolder> found;
  plat::ListOutcome outcome = plat::listSubfolders(LiveNodes.folder[node], kLiveWaitMs, &found);
  if (outcome == plat::kListMissing) return appendNote(submenu, kTextNotFound);
  if (outcome == plat::kListSlow) return appendNote(submenu, kTextNoResponse);
  plat::appendMenuItemText(submenu, kMenuString, kLiveHereBaseId + node, kTextThisFolder);
  plat::appendMenuItemText(submenu, kMenuString, kLiveNewBaseId + node, kTextNewFolderItem);

  std::vector<std::string> shown;
  int unshown = 0;
  for (const plat::Subfolder& subfolder : found) {
    if (subfolder.hidden) continue;
    // A name the code page cannot hold, or one no path can hold, would
    // name another folder: it is counted, never offered.
    if (isUnheldName(subfolder.name.c_str()) ||
        pathInFolder(LiveNodes.folder[node], subfolder.name).size() >= kPathSize - 1) {
      ++unshown;
      continue;
    }
    shown.push_back(subfolder.name);
  }
  size_t listed = std::min<size_t>(shown.size(), kLiveShownFolders);
  // Only the first 200 in order are needed: the rest is not sorted.
  std::partial_sort(shown.begin(), shown.begin() + listed, shown.end(), logicalLess);
  if (listed > 0) plat::appendMenuItem(submenu, kMenuSeparator, kOtherSeparatorId, "");
  for (size_t k = 0; k < listed; ++k) {
    // Each subfolder opens onto its own; an opener reports its position,
    // never its id, so all of them share the notes' id.
    plat::appendMenuItem(submenu, kMenuString, kLiveNoteId,
                         withLiteralAmpersands(shown[k].c_str()).c_str());
    int child = addLiveNode(pathInFolder(LiveNodes.folder[node], shown[k]).c_str(), node);
    if (child < 0) continue;  // out of nodes: shown, but opens onto nothing
    LiveNodes.submenu[child] = plat::createMenu();
    plat::setMenuItemSubmenuAt(submenu, plat::menuItemCount(submenu) - 1,
                               LiveNodes.submenu[child]);
  }
  if (unshown > 0) appendNote(submenu, kTextUnshownFolders, unshown);
  if (shown.size() > listed)
    plat::appendMenuItemText(submenu, kMenuString, kLiveMoreBaseId + node, kTextMoreFolders,
                             static_cast<int>(shown.size() - listed));
}

UiText newFolderNameProblem(const std::string& parent, const std::string& name) {
  if (name.find_first_not_of(' ') == std::string::npos) return kTextNameEmpty;
  if (isUnheldName(name.c_str())) return kTextNameUnheld;
  for (const char* p = name.c_str(); *p; p += nextCharLength(p)) {
    bool control = static_cast<unsigned char>(*p) < 0x20;
    if (nextCharLength(p) == 1 && (strchr("\\/:*?\"<>|", *p) || control))
      return kTextNameBadCharacter;
  }
  if (name.back() == '.' || name.back() == ' ') return kTextNameBadEnd;
  if (isDeviceName(name.c_str())) return kTextNameDevice;
  std::string path = pathInFolder(parent.c_str(), name);
  if (path.size() >= kPathSize - 1) return kTextNameTooLong;
  if (plat::pathFileExists(path.c_str()) && !plat::pathIsDirectory(path.c_str()))
    return kTextNameIsFile;
  return kUiTextCount;
}
