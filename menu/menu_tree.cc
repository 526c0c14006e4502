#include "menu/menu_tree.h"

#include "config/config_model.h"
#include "menu/submenu_registry.h"
#include "state/live_nodes.h"
#include "state/marks.h"

namespace {

// Forgets what each submenu about to be destroyed stood for: its handle
// may be handed out again to an unrelated menu.
void forgetSubmenuTree(PlatMenu menu) {
  int count = plat::menuItemCount(menu);
  for (int pos = 0; pos < count; ++pos) {
    PlatMenu submenu = plat::subMenuAt(menu, pos);
    if (!submenu) continue;
    forgetSubmenuTree(submenu);
    forgetSubmenu(submenu);
  }
}

bool anyRecentMarked() {
  for (int k = 0; k < Recent.count; ++k)
    if (isMarked({kMarkRecent, k})) return true;
  return false;
}

}  // namespace

void emptyMenu(PlatMenu menu) {
  forgetSubmenuTree(menu);
  // Deleting an item destroys its submenus, as DeleteMenu does.
  for (int pos = plat::menuItemCount(menu) - 1; pos >= 0; --pos)
    plat::deleteMenuItemAt(menu, pos);
}

void destroyMenuTree(PlatMenu menu) {
  forgetSubmenuTree(menu);
  plat::destroyMenu(menu);  // with its submenus, as DestroyMenu does
}

bool dirOpenerHoldsMark(int entry) {
  if (DirEntries.kind[entry] == kDirLive) {
    int node = findLiveNode(DirEntries.folder[entry], -1);
    return node >= 0 && liveNodeHoldsMark(node);
  }
  if (DirEntries.kind[entry] != kDirSubmenu) return false;
  for (int i = entry + 1;
       i < DirEntries.count && DirEntries.level[i] > DirEntries.level[entry]; ++i)
    if (isMarked({kMarkDirEntry, i}) || dirOpenerHoldsMark(i)) return true;
  return false;
}

void refreshOpenerChecks(PlatMenu menu) {
  int count = plat::menuItemCount(menu);
  for (int pos = 0; pos < count; ++pos) {
    PlatMenu submenu = plat::subMenuAt(menu, pos);
    if (!submenu) continue;
    int entry = dirEntryOfSubmenu(submenu), node = liveNodeOfSubmenu(submenu);
    bool marked = entry >= 0 ? dirOpenerHoldsMark(entry)
                  : node >= 0 ? liveNodeHoldsMark(node)
                              : isRecentSubmenu(submenu) && anyRecentMarked();
    plat::setMenuItemCheckedAt(menu, pos, marked);
    refreshOpenerChecks(submenu);
  }
}

std::string withLiteralAmpersands(const char* text) {
  std::string shown;
  for (const char* p = text; *p; ++p) shown += *p == '&' ? "&&" : std::string(1, *p);
  return shown;
}
