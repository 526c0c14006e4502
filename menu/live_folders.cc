#include "menu/live_folders.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "menu/menu_tree.h"
#include "menu/submenu_registry.h"
#include "state/marks.h"
#include "state/left_out_names.h"
#include "text/windows_names.h"
#include "text/ansi_text.h"

namespace {


bool nodeMarked(int node) { return isMarked({kMarkLiveNode, node}); }

// Spare nodes show nowhere: each is free again, but a marked one and those
// it is listed under. A mark lives as long as the run, and its node with it.
bool takeBackSpareNodes() {
  std::vector<bool> kept = liveNodesHoldingMarks();
  bool any = false;
  for (int k = 0; k < kMaxLiveNodes; ++k) {
    if (LiveNodes.state[k] != kNodeSpare || kept[k]) continue;
    LiveNodes.state[k] = kNodeFree;
    forgetSubmenuOf(kSubmenuLiveNode, k);
    any = true;
  }
  return any;
}

int freeNode() {
  for (int node = 0; node < kMaxLiveNodes; ++node)
    if (!liveNodeTaken(node)) return node;
  return takeBackSpareNodes() ? freeNode() : -1;
}

void releaseNodesBelow(int node) {
  for (int k = 0; k < kMaxLiveNodes; ++k) {
    if (LiveNodes.state[k] != kNodeInUse || LiveNodes.parent[k] != node) continue;
    LiveNodes.state[k] = kNodeSpare;
    releaseNodesBelow(k);
  }
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

void forgetLiveNodes() {
  // Only the states: a free node's other fields are written as it is taken,
  // and clearing every folder's field would cost the menu's start.
  memset(LiveNodes.state, 0, sizeof LiveNodes.state);
}

int liveNodeFor(const char* folder, int parent) {
  int node = findLiveNode(folder, parent);
  if (node >= 0) {
    LiveNodes.state[node] = kNodeInUse;
    return node;
  }
  node = freeNode();
  if (node < 0) return -1;
  LiveNodes.state[node] = kNodeInUse;
  LiveNodes.parent[node] = parent;
  copyText(LiveNodes.folder[node], kPathSize, folder);
  return node;
}

void releaseLiveSubmenu(PlatMenu submenu) {
  int node = liveNodeOfSubmenu(submenu);
  if (node >= 0) releaseNodesBelow(node);
}

int liveNodeOfMenuId(int id, LiveItem* item) {
  const std::pair<int, LiveItem> ranges[] = {
      {kLiveHereBaseId, kLiveHere}, {kLiveNewBaseId, kLiveNew}, {kLiveMoreBaseId, kLiveMore}};
  for (const auto& [base, kind] : ranges) {
    int node = id - base;
    if (node < 0 || node >= kMaxLiveNodes || !liveNodeTaken(node)) continue;
    *item = kind;
    return node;
  }
  return -1;
}

bool nameChangedByPaths(const std::string& name) {
  return name.empty() || windowsNameProblem(name) != kNameFine;
}

std::vector<std::string> offeredSubfolders(int node, const std::vector<plat::Subfolder>& found,
                                           int* unshown) {
  std::vector<std::string> offered;
  for (const plat::Subfolder& subfolder : found) {
    if (subfolder.hidden) continue;
    // A name no path can hold, or one the path rules would spell as
    // another's, would name another folder: it is counted, never offered.
    if (nameChangedByPaths(subfolder.name) ||
        !fitsField(pathInFolder(LiveNodes.folder[node], subfolder.name), kPathSize)) {
      ++*unshown;
      continue;
    }
    offered.push_back(subfolder.name);
  }
  return offered;
}

namespace {

bool isDigitUnit(char16_t u) { return u >= u'0' && u <= u'9'; }

// Where the digit run starting at i ends.
size_t digitRunEnd(const std::u16string& s, size_t i) {
  while (i < s.size() && isDigitUnit(s[i])) ++i;
  return i;
}

// The file manager's order over the real names, the same under every code
// page: case ignored, digit runs by value ("2" before "10").
bool logicalLess(const std::u16string& a, const std::u16string& b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigitUnit(a[i]) && isDigitUnit(b[j])) {
      size_t endA = digitRunEnd(a, i), endB = digitRunEnd(b, j);
      // By value: leading zeros dropped, then the longer run is larger.
      while (i + 1 < endA && a[i] == u'0') ++i;
      while (j + 1 < endB && b[j] == u'0') ++j;
      std::u16string runA = a.substr(i, endA - i), runB = b.substr(j, endB - j);
      if (runA.size() != runB.size()) return runA.size() < runB.size();
      if (runA != runB) return runA < runB;
      i = endA;
      j = endB;
      continue;
    }
    unsigned x = foldUnit(a[i]), y = foldUnit(b[j]);
    if (x != y) return x < y;
    ++i;
    ++j;
  }
  if ((a.size() - i) != (b.size() - j)) return a.size() - i < b.size() - j;
  return a < b;  // the same but for case: a fixed order all the same
}

// The name as Windows holds it. Printable ASCII is itself in every code
// page, so only a name holding more (a mark among it) asks the system.
std::u16string unitsOfName(const std::string& name) {
  for (char c : name)
    if (c < 0x20 || c > 0x7E) return plat::utf16FromAnsi(name);
  return std::u16string(name.begin(), name.end());
}

}  // namespace

void sortLikeFileManager(std::vector<std::string>* names, size_t first) {
  std::vector<std::pair<std::u16string, std::string>> keyed;
  keyed.reserve(names->size());
  for (std::string& name : *names) keyed.emplace_back(unitsOfName(name), std::move(name));
  // Only the first ones in order are needed: the rest is not sorted.
  std::partial_sort(keyed.begin(), keyed.begin() + first, keyed.end(),
                    [](const auto& x, const auto& y) { return logicalLess(x.first, y.first); });
  for (size_t k = 0; k < keyed.size(); ++k) (*names)[k] = std::move(keyed[k].second);
}

void fillLiveMenu(PlatMenu submenu, int node) {
  emptyMenu(submenu);  // the folders listed again find their nodes, marks and all
  std::vector<plat::Subfolder> found;
  plat::ListOutcome outcome = plat::listSubfolders(LiveNodes.folder[node], kLiveWaitMs, &found);
  if (outcome == plat::kListMissing) return appendNote(submenu, kTextNotFound);
  if (outcome == plat::kListSlow) return appendNote(submenu, kTextNoResponse);
  unsigned hereFlags = nodeMarked(node) ? kMenuString | kMenuChecked : kMenuString;
  plat::appendMenuItemText(submenu, hereFlags, kLiveHereBaseId + node, kTextThisFolder);
  plat::appendMenuItemText(submenu, kMenuString, kLiveNewBaseId + node, kTextNewFolderItem);

  int unshown = 0;
  std::vector<std::string> shown = offeredSubfolders(node, found, &unshown);
  std::vector<bool> holding = liveNodesHoldingMarks();
  size_t listed = std::min<size_t>(shown.size(), kLiveShownFolders);
  sortLikeFileManager(&shown, listed);
  if (listed > 0) plat::appendMenuItem(submenu, kMenuSeparator, kOtherSeparatorId, "");
  for (size_t k = 0; k < listed; ++k) {
    int child = liveNodeFor(pathInFolder(LiveNodes.folder[node], shown[k]).c_str(), node);
    // Out of nodes: greyed, never an item that opens onto nothing.
    unsigned flags = child < 0 ? kMenuString | kMenuGrayed
                     : holding[child] ? kMenuString | kMenuChecked : kMenuString;
    plat::appendMenuItem(submenu, flags, kLiveSubfolderId,
                         withLiteralAmpersands(shown[k].c_str()).c_str());
    if (child < 0) continue;
    PlatMenu childMenu = plat::createMenu();
    registerSubmenu(childMenu, kSubmenuLiveNode, child);
    plat::setMenuItemSubmenuAt(submenu, plat::menuItemCount(submenu) - 1, childMenu);
  }
  if (unshown > 0) appendNote(submenu, kTextUnshownFolders, unshown);
  if (shown.size() > listed)
    plat::appendMenuItemText(submenu, kMenuString, kLiveMoreBaseId + node, kTextMoreFolders,
                             static_cast<int>(shown.size() - listed));
}

UiText newFolderNameProblem(const std::string& parent, const std::string& name) {
  switch (windowsNameProblem(name)) {
    case kNameEmpty: return kTextNameEmpty;
    case kNameBadCharacter: return kTextNameBadCharacter;
    case kNameBadEnd: return kTextNameBadEnd;
    case kNameDevice: return kTextNameDevice;
    case kNameFine: break;
  }
  std::string path = pathInFolder(parent.c_str(), name);
  if (!fitsField(path, kPathSize)) return kTextNameTooLong;
  if (plat::pathFileExists(path.c_str()) && !plat::pathIsDirectory(path.c_str()))
    return kTextNameIsFile;
  return kUiTextCount;
}
