#include "app/menu_hooks.h"

#include "config/config_model.h"
#include "config/recent_list.h"
#include "menu/live_folders.h"
#include "menu/menu_build.h"
#include "platform/platform.h"
#include "state/run_state.h"

namespace {

// The mark of the highlighted folder item, [dir] or recent; null for any
// other item, and for a recent folder that is gone.
int* highlightedMark() {
  int k = dirEntryOfMenuId(RunState.menuSelItem);
  if (k >= 0) return &DirEntries.marked[k];
  k = recentEntryOfMenuId(RunState.menuSelItem);
  if (k >= 0 && Recent.available[k]) return &Recent.marked[k];
  LiveItem item;
  k = liveNodeOfMenuId(RunState.menuSelItem, &item);
  if (k >= 0 && item == kLiveHere) return &LiveNodes.marked[k];
  return nullptr;
}

}  // namespace

bool highlightedItemIsMarkable() {
  // Submenu openers report a position, not an id, and never qualify.
  return RunState.menuSelMenu != nullptr && highlightedMark() != nullptr;
}

void toggleMark() {
  int* marked = highlightedMark();
  if (!marked) return;
  bool mark = *marked == 0;
  *marked = mark ? 1 : 0;
  // One count for both kinds: in move mode the last of all of them moves.
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
