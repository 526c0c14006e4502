#include "menu/menu_build.h"

#include <cstdio>
#include <cstring>

#include "config/config_model.h"
#include "config/recent_list.h"
#include "menu/menu_tree.h"
#include "menu/submenu_registry.h"
#include "state/marks.h"
#include "fileops/folder_listing.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

MenuBuildState MenuBuild;

namespace {

void attachDirSubmenu(PlatMenu menu, int index) {
  PlatMenu submenu = plat::createMenu();
  registerSubmenu(submenu, kSubmenuDirEntry, index);
  plat::setMenuItemSubmenu(menu, kDirItemBaseId + index, submenu);
}

}  // namespace

void fillDirMenu(PlatMenu menu, int index, int offset) {
  emptyMenu(menu);
  appendDirLevel(menu, index, offset);
}

void appendDirLevel(PlatMenu menu, int index, int offset) {
  MenuBuild.pendingBreak = kBreakNone;

  int start = index + offset;
  if (start >= DirEntries.count) return;
  int base = DirEntries.level[start];
  for (int i = start; i < DirEntries.count; ++i) {
    int level = DirEntries.level[i];
    if (level < base) break;
    if (level > base) continue;  // filled when its own submenu opens
    switch (DirEntries.kind[i]) {
      case kDirFolder:
        appendDirItem(menu, i, DirEntries.caption[i]);
        break;
      case kDirSeparator:
        MenuBuild.pendingBreak = kBreakSeparator;
        break;
      case kDirColumn:
        MenuBuild.pendingBreak = kBreakColumn;
        break;
      case kDirSubmenu:
      case kDirLive:  // a live folder's node is taken as it first opens
        appendDirItem(menu, i, DirEntries.caption[i]);
        attachDirSubmenu(menu, i);
        break;
      case kDirSubmenuEnd:
        MenuBuild.pendingBreak = kBreakNone;  // never carried past a submenu's end
        break;
    }
  }
}

int dirEntryOfMenuId(int id) {
  bool dirItem = id >= kDirItemBaseId && id < kDirItemBaseId + kMaxDirEntries;
  return dirItem ? id - kDirItemBaseId : -1;
}

int recentEntryOfMenuId(int id) {
  bool recentItem = id >= kRecentItemBaseId && id < kRecentItemBaseId + Recent.count;
  return recentItem ? id - kRecentItemBaseId : -1;
}

namespace {

// "&1 D:\Work": an access key for each of the first ten, and the path's
// own "&" shown as written.
std::string recentItemText(int k) {
  std::string text;
  if (k < 10) text = std::string("&") + static_cast<char>('0' + (k + 1) % 10) + " ";
  text += withLiteralAmpersands(Recent.folder[k]);
  cutText(&text, kMaxPathUnits);
  return text;
}

}  // namespace

void appendRecentSubmenu(PlatMenu menu) {
  if (Recent.count == 0) return;
  PlatMenu submenu = plat::createMenu();
  registerSubmenu(submenu, kSubmenuRecent);
  for (int k = 0; k < Recent.count; ++k) {
    const char* folder = Recent.folder[k];
    Recent.available[k] = folderReachable(folder);
    unsigned flags = Recent.available[k] ? kMenuString : kMenuString | kMenuGrayed;
    plat::appendMenuItem(submenu, flags, kRecentItemBaseId + k, recentItemText(k).c_str());
  }
  plat::appendMenuItemText(menu, kMenuString, kRecentSubmenuId, kTextRecentDestinations);
  plat::setMenuItemSubmenu(menu, kRecentSubmenuId, submenu);
  plat::appendMenuItem(menu, kMenuSeparator, kOtherSeparatorId, "");
}

void appendDirItem(PlatMenu menu, int index, const char* caption) {
  int id = kDirItemBaseId + index;
  if (MenuBuild.pendingBreak == kBreakSeparator) {
    plat::appendMenuItem(menu, kMenuSeparator, kDirSeparatorId, "");
    plat::appendMenuItem(menu, kMenuString, id, caption);
  } else if (MenuBuild.pendingBreak == kBreakColumn) {
    plat::appendMenuItem(menu, kMenuString | kMenuBarBreak, id, caption);
  } else {
    plat::appendMenuItem(menu, kMenuString, id, caption);
  }
  MenuBuild.pendingBreak = kBreakNone;
  // A submenu or live folder shows a check when a destination below it is
  // marked, however deep.
  if (isMarked({kMarkDirEntry, index}) || dirOpenerHoldsMark(index))
    plat::setMenuItemChecked(menu, id, true);
}

void appendGroupItems(PlatMenu menu) {
  if (Groups.count == 0) return;
  bool haveDirs = DirEntries.count > 0;
  if (haveDirs && !Groups.columnBreak)
    plat::appendMenuItem(menu, kMenuSeparator, kOtherSeparatorId, "");
  unsigned firstFlags =
      (haveDirs && Groups.columnBreak) ? kMenuBarBreak : kMenuString;
  if (Groups.direct) {
    for (int g = 0; g < Groups.count; ++g)
      plat::appendMenuItem(menu, g == 0 ? firstFlags : kMenuString,
                           kGroupItemBaseId + g, Groups.caption[g]);
    return;
  }
  plat::appendMenuItem(menu, firstFlags, kGroupSubmenuId, "&@ Group");
  PlatMenu submenu = plat::createMenu();
  for (int g = 0; g < Groups.count; ++g)
    plat::appendMenuItem(submenu, kMenuString, kGroupItemBaseId + g,
                         Groups.caption[g]);
  plat::setMenuItemSubmenu(menu, kGroupSubmenuId, submenu);
}

namespace {

// Fits "prefix + name + suffix" into an item of 259 characters, shortening
// the name: a caption, shown, never used as a name.
std::string fitItemText(const char* prefix, std::string name,
                        const std::string& suffix) {
  size_t room = kMaxPathUnits - unitCount(prefix, strlen(prefix)) - unitCount(suffix);
  cutText(&name, room);
  return prefix + name + suffix;
}

}  // namespace

std::string sourceItemText() {
  const char* first = RunState.sourceList[0];
  bool internal = folderContentsInstead();
  std::string suffix = " ( &1 )";
  if (RunState.sourceCount > 1) {
    char count[48];
    snprintf(count, sizeof count, " [ +%d ]", RunState.sourceCount - 1);
    suffix = count + suffix;
  }
  return fitItemText(internal ? "! " : "", fileNameOf(first), suffix);
}

void appendClosingItems(PlatMenu menu, int noSource) {
  if (noSource) {
    std::string configItem =
        fitItemText("", fileNameOf(RunState.configPath), " ( &1 )");
    plat::appendMenuItem(menu, kMenuString, kConfigItemId, configItem.c_str());
    plat::appendMenuItem(menu, kMenuSeparator, kOtherSeparatorId, "");
    plat::appendMenuItem(menu, kMenuString, kHelpItemId, "&Help");
    plat::appendMenuItem(menu, kMenuString, kVersionItemId, "&Version");
    return;
  }
  if (DirEntries.count > 0 || Groups.count > 0)
    plat::appendMenuItem(menu, kMenuSeparator, kOtherSeparatorId, "");
  plat::appendMenuItem(menu, kMenuString, kSourceItemId,
                       sourceItemText().c_str());
  if (RunState.transferMode == kTransferMove)
    plat::setMenuItemChecked(menu, kSourceItemId, true);
}
