#include "app/host_messages.h"

#include "config/config_model.h"
#include "menu/finder.h"
#include "menu/live_folders.h"
#include "menu/menu_build.h"
#include "menu/submenu_registry.h"
#include "state/run_state.h"

void onMenuSelect(int item, unsigned flags, PlatMenu menu) {
  RunState.menuSelItem = item;
  RunState.menuSelMenu = menu;
  RunState.menuSelByMouse = (flags & kMenuSelectByMouse) ? 1 : 0;
}

bool onInitMenuPopup(PlatMenu submenu) {
  // Known by its handle: the last highlight may belong to a submenu that
  // closed without a word (Wine sends no WM_MENUSELECT for Left or Escape).
  int k = dirEntryOfSubmenu(submenu);
  if (k >= 0 && DirEntries.kind[k] == kDirSubmenu) fillDirMenu(submenu, k, 1);
  int node = liveNodeOfSubmenu(submenu);
  if (node < 0 && k >= 0 && DirEntries.kind[k] == kDirLive) {
    node = liveNodeFor(DirEntries.folder[k], -1);
    if (node >= 0) registerSubmenu(submenu, kSubmenuLiveNode, node);
  }
  if (node >= 0) fillLiveMenu(submenu, node);
  return RunState.menuSelByMouse == 1;
}

void onUninitMenuPopup(PlatMenu menu) {
  releaseLiveSubmenu(menu);
  // Its items are gone from the screen: none of them is highlighted now.
  if (menu && RunState.menuSelMenu == menu) {
    RunState.menuSelMenu = nullptr;
    RunState.menuSelItem = 0;
  }
}

bool onMenuChar(PlatWindow window, int unit) {
  // Any character of any script opens the finder; Space marks, and control
  // keys stay with the menu. A surrogate half alone is no character. The
  // menu shown without sources has nothing to send, so no finder.
  bool character = unit > ' ' && unit != 0x7F && !(unit >= 0x80 && unit < 0xA0) &&
                   !(unit >= 0xD800 && unit < 0xE000) && unit <= 0xFFFF;
  if (RunState.menuShowing != 1 || RunState.sourceCount == 0 || !character) return false;
  if (RunState.finderKey != 0) return true;  // opened already; the menu is closing
  RunState.finderKey = static_cast<char16_t>(unit);
  openFinder(window, RunState.menuX, RunState.menuY, RunState.finderKey);
  return true;
}

bool onKillFocus() {
  // The finder taking the focus closes the menu already.
  if (RunState.menuShowing != 1 || RunState.finderKey != 0) return false;
  RunState.swallowClick = 1;
  return true;
}

int onLeftButtonDown() {
  if (RunState.swallowClick != 1) return 0;
  RunState.swallowClick = 0;
  return 1;
}
