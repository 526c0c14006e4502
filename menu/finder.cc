#include "menu/finder.h"

#include <algorithm>
#include <utility>

#include "config/config_model.h"
#include "config/recent_list.h"
#include "menu/live_folders.h"
#include "menu/menu_actions.h"
#include "platform/dialogs.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

const char kPathJoint[] = " \x01" "203A ";  // " › " between a submenu and its item

std::string withoutAccessKeys(const char* caption) {
  std::string plain;
  for (const char* p = caption; *p; p += nextCharLength(p))
    if (*p != '&' || p[1] == '&') plain.append(p, nextCharLength(p));
  return plain;
}

FinderEntry entryFor(Destination destination, const std::string& folder, const std::string& shown,
                     const std::string& caption, bool usable) {
  PathParts parts = splitPath(folder.c_str());
  std::string parent = parts.folder;
  if (!parent.empty()) parent.pop_back();  // the folder holding it, named like any
  FinderEntry entry{destination, -1, folder, shown, usable, false, {}, {}, {}};
  entry.caption = foldedForFinding(caption);
  entry.name = foldedForFinding(parts.name + parts.ext);
  entry.parentName = foldedForFinding(fileNameOf(parent.c_str()));
  return entry;
}

// The subfolders a live folder's submenu would list, as entries.
void appendLiveSubfolders(int node, const std::string& path, std::vector<FinderEntry>* entries) {
  std::vector<plat::Subfolder> found;
  if (plat::listSubfolders(LiveNodes.folder[node], kLiveWaitMs, &found) != plat::kListed) return;
  int unshown = 0;
  std::vector<std::string> names = offeredSubfolders(node, found, &unshown);
  sortLikeFileManager(&names, names.size());
  for (const std::string& name : names) {
    std::string folder = pathInFolder(LiveNodes.folder[node], name);
    entries->push_back(entryFor({kMarkLiveNode, -1}, folder, path + kPathJoint + name, name, true));
    entries->back().liveParent = node;
  }
}

enum Rank { kRankRecent, kRankPrefix, kRankWordStart, kRankContains, kNoMatch };

Rank rankIn(const std::u16string& text, const std::u16string& typed) {
  if (typed.empty()) return kRankContains;
  Rank best = kNoMatch;
  for (size_t at = text.find(typed); at != std::u16string::npos; at = text.find(typed, at + 1)) {
    if (at == 0) return kRankPrefix;
    char16_t before = text[at - 1];
    bool wordStart = before == u' ' || before == u'_' || before == u'-' || before == u'\\';
    best = std::min(best, wordStart ? kRankWordStart : kRankContains);
  }
  return best;
}

Rank rankOf(const FinderEntry& entry, const std::u16string& typed) {
  Rank rank;
  size_t joint = typed.rfind(u'\\');
  if (joint != std::u16string::npos && joint > 0) {
    bool both = entry.parentName.compare(0, joint, typed, 0, joint) == 0 &&
                entry.name.compare(0, typed.size() - joint - 1, typed, joint + 1) == 0;
    rank = both ? kRankPrefix : kNoMatch;
  } else {
    rank = std::min(rankIn(entry.caption, typed), rankIn(entry.name, typed));
  }
  return rank != kNoMatch && entry.recent ? kRankRecent : rank;
}

// What the finder shows now: the entries and the rows last matched.
std::vector<FinderEntry> finderEntries;
std::vector<size_t> rowEntries;

std::vector<plat::FinderRow> finderRows(const std::string& typed) {
  rowEntries = findMatches(finderEntries, typed);
  std::vector<plat::FinderRow> rows;
  for (size_t k : rowEntries) rows.push_back({finderEntries[k].shown, !finderEntries[k].usable});
  return rows;
}

}  // namespace

std::u16string foldedForFinding(const std::string& text) {
  std::u16string units = plat::utf16FromAnsi(text);
  for (char16_t& unit : units) {
    if (unit >= 0xFF01 && unit <= 0xFF5E) unit = static_cast<char16_t>(unit - 0xFF01 + 0x21);
    unit = static_cast<char16_t>(foldUnit(unit));
  }
  return units;
}

std::vector<FinderEntry> collectFinderEntries() {
  std::vector<FinderEntry> entries;
  for (int k = 0; k < Recent.count; ++k) {
    entries.push_back(entryFor({kMarkRecent, k}, Recent.folder[k], withDriveRoot(Recent.folder[k]),
                               Recent.folder[k], Recent.available[k] != 0));
    entries.back().recent = true;
  }
  std::vector<std::string> path;  // the captions of the submenus around an entry
  for (int i = 0; i < DirEntries.count; ++i) {
    std::string caption = withoutAccessKeys(DirEntries.caption[i]);
    std::string shown;
    for (const std::string& submenu : path) shown += submenu + kPathJoint;
    shown += caption;
    if (DirEntries.kind[i] == kDirSubmenu) path.push_back(caption);
    if (DirEntries.kind[i] == kDirSubmenuEnd && !path.empty()) path.pop_back();
    if (DirEntries.kind[i] == kDirFolder)
      entries.push_back(entryFor({kMarkDirEntry, i}, DirEntries.folder[i], shown, caption,
                                 folderReachable(DirEntries.folder[i])));
    if (DirEntries.kind[i] != kDirLive) continue;
    int node = liveNodeFor(DirEntries.folder[i], -1);
    entries.push_back(entryFor({kMarkLiveNode, node}, DirEntries.folder[i], shown, caption,
                               node >= 0 && folderReachable(DirEntries.folder[i])));
    if (node >= 0) appendLiveSubfolders(node, shown, &entries);
  }
  return entries;
}

std::vector<size_t> findMatches(const std::vector<FinderEntry>& entries, const std::string& typed) {
  std::u16string folded = foldedForFinding(typed);
  std::vector<std::pair<Rank, size_t>> ranked;
  for (size_t k = 0; k < entries.size(); ++k)
    if (Rank rank = rankOf(entries[k], folded); rank != kNoMatch) ranked.push_back({rank, k});
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<size_t> order;
  for (const auto& [rank, k] : ranked) order.push_back(k);
  return order;
}

void openFinder(PlatWindow window, int x, int y, char16_t typed) {
  finderEntries = collectFinderEntries();
  plat::showFinder(window, x, y, plat::ansiFromUtf16(std::u16string(1, typed)), finderRows);
}

void runFinder(PlatWindow window) {
  plat::FinderAnswer answer = plat::finishFinder();
  // Only the row shown selected as Enter was pressed is sent to.
  if (answer.row < 0 || static_cast<size_t>(answer.row) >= rowEntries.size()) return;
  const FinderEntry& entry = finderEntries[rowEntries[answer.row]];
  if (!entry.usable) return;
  Destination destination = entry.destination;
  if (entry.liveParent >= 0)
    destination.index = liveNodeFor(entry.folder.c_str(), entry.liveParent);
  if (destination.index < 0) return;
  if (answer.shift) RunState.invertTransfer = !RunState.invertTransfer;
  sendToChosenFolder(window, destination, entry.folder.c_str(), answer.control);
}
