#include "app/menu_hooks.h"

#include "config/config_model.h"
#include "menu/menu_build.h"
#include "platform/platform.h"
#include "state/run_state.h"

bool highlightedItemIsMarkable() {
  // Submenu openers report a position, not an id, and never qualify.
  return RunState.menuSelMenu != nullptr &&
         dirEntryOfMenuId(RunState.menuSelItem) >= 0;
}

void toggleMark() {
  int k = dirEntryOfMenuId(RunState.menuSelItem);
  if (k < 0) return;
  bool mark = DirEntries.marked[k] == 0;
  DirEntries.marked[k] = mark ? 1 : 0;
  DirEntries.markedCount += mark ? 1 : -1;
  plat::setMenuItemChecked(RunState.menuSelMenu, RunState.menuSelItem, mark);
}

bool onMenuMouseDown(bool middleButton, bool rightButton) {
  if (middleButton && highlightedItemIsMarkable()) {
    toggleMark();
    return true;
  }
  if (rightButton) RunState.invertTransfer = 1;
  return false;
}

bool onMenuKey(int vk, bool goingDown) {
  if (vk == kVkSpace && goingDown && highlightedItemIsMarkable()) {
    toggleMark();
    return true;
  }
  return false;
}
