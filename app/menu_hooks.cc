#include "app/menu_hooks.h"

#include "config/config_model.h"
#include "config/recent_list.h"
#include "menu/live_folders.h"
#include "menu/menu_build.h"
#include "menu/menu_tree.h"
#include "platform/platform.h"
#include "state/marks.h"
#include "state/run_state.h"

namespace {

// The destination of the highlighted folder item, [dir], live or recent;
// false for any other item, and for a recent folder that is gone.
bool highlightedDestination(Destination* destination) {
  int id = RunState.menuSelItem;
  if (int k = dirEntryOfMenuId(id); k >= 0) {
    *destination = {kMarkDirEntry, k};
    return true;
  }
  if (int k = recentEntryOfMenuId(id); k >= 0) {
    *destination = {kMarkRecent, k};
    return Recent.available[k] != 0;
  }
  LiveItem item;
  if (int node = liveNodeOfMenuId(id, &item); node >= 0) {
    *destination = {kMarkLiveNode, node};
    return item == kLiveHere;
  }
  return false;
}

}  // namespace

bool highlightedItemIsMarkable() {
  // Submenu openers report a position, not an id, and never qualify.
  Destination destination;
  return RunState.menuSelMenu != nullptr && highlightedDestination(&destination);
}

void toggleMark() {
  Destination destination;
  if (!highlightedDestination(&destination)) return;
  bool marked = toggleMarked(destination);
  plat::setMenuItemChecked(RunState.menuSelMenu, RunState.menuSelItem, marked);
  refreshOpenerChecks(MenuBuild.root);
}

bool onMenuMouseDown(bool middleButton, bool rightButton) {
  if (middleButton && highlightedItemIsMarkable()) {
    toggleMark();
    return true;
  }
  if (rightButton) RunState.invertTransfer = 1;
  return false;
}

bool onMenuKey(KeyHookCall call, int vk, bool goingDown) {
  // A loop that acts on a peeked key (Wine) has acted before the key is
  // taken, so the first call of a keystroke marks. Its taking, when it comes
  // (a loop that keeps a swallowed peeked key), is only swallowed; a loop
  // that drops it goes on to the next keystroke's peek.
  bool spaceDown = vk == kVkSpace && goingDown;
  if (call == kKeyTaken && RunState.spacePeekedAndMarked) {
    RunState.spacePeekedAndMarked = 0;
    if (spaceDown) return true;
  }
  if (!spaceDown || !highlightedItemIsMarkable()) return false;
  toggleMark();
  RunState.spacePeekedAndMarked = call == kKeyPeeked ? 1 : 0;
  return true;
}
