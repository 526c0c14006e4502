#include "menu/menu_tree.h"

#include "menu/live_folders.h"
#include "menu/menu_build.h"

namespace {

// Drops the owner of a submenu about to be destroyed: its handle may be
// handed out again to an unrelated menu.
void forgetSubmenuTree(PlatMenu menu) {
  int count = plat::menuItemCount(menu);
  for (int pos = 0; pos < count; ++pos) {
    PlatMenu submenu = plat::subMenuAt(menu, pos);
    if (!submenu) continue;
    forgetSubmenuTree(submenu);
    forgetDirSubmenu(submenu);
    forgetLiveSubmenu(submenu);
  }
}

}  // namespace

void emptyMenu(PlatMenu menu) {
  forgetSubmenuTree(menu);
  for (int pos = plat::menuItemCount(menu) - 1; pos >= 0; --pos)
    plat::deleteMenuItemAt(menu, pos);
  destroySubmenus(menu);
}

void destroySubmenus(PlatMenu menu) {
  forgetSubmenuTree(menu);
  int count = plat::menuItemCount(menu);
  for (int pos = 0; pos < count; ++pos) {
    PlatMenu submenu = plat::subMenuAt(menu, pos);
    if (!submenu) continue;
    destroySubmenus(submenu);
    plat::destroyMenu(submenu);
  }
}

std::string withLiteralAmpersands(const char* text) {
  std::string shown;
  for (const char* p = text; *p; ++p) shown += *p == '&' ? "&&" : std::string(1, *p);
  return shown;
}
