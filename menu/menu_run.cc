#include "menu/menu_run.h"

#include "config/config_model.h"
#include "config/recent_list.h"
#include "menu/finder.h"
#include "menu/live_folders.h"
#include "menu/menu_actions.h"
#include "menu/menu_build.h"
#include "menu/menu_tree.h"
#include "menu/submenu_registry.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

// A group named by "/#g=" (whole name, ignoring case); -1 when none.
int namedGroup() {
  if (RunState.groupName[0] == '\0') return -1;
  for (int g = 0; g < Groups.count; ++g)
    if (equalsI(Groups.plainName[g], RunState.groupName)) return g;
  return -1;
}

}  // namespace

MenuPlacement menuPlacement() {
  MenuPlacement p;
  p.flags = kTrackReturnCmd | kTrackRightButton;
  int centreX = RunState.screenWidth / 2, centreY = RunState.maximizedHeight / 2;
  switch (Config.menuPosition) {
    case kMenuAtCoordinates:
      p.x = Config.menuX;
      p.y = Config.menuY;
      break;
    case kMenuAtMouse:
      plat::cursorPos(&p.x, &p.y);
      break;
    case kMenuAtMouseCentred:
      plat::cursorPos(&p.x, &p.y);
      p.flags |= kTrackVCenterAlign;
      break;
    case kMenuAtScreenCentre:
      p.x = centreX;
      p.y = centreY;
      p.flags |= kTrackCenterAlign | kTrackVCenterAlign;
      break;
    default: {
      int left, top, right, bottom;
      p.x = centreX;
      p.y = centreY;
      if (RunState.previousForeground &&
          plat::windowRect(RunState.previousForeground, &left, &top, &right,
                           &bottom) &&
          right - left > 0 && bottom - top > 0) {
        p.x = left + (right - left) / 2;
        p.y = top + (bottom - top) / 2;
      }
      p.flags |= kTrackCenterAlign | kTrackVCenterAlign;
      break;
    }
  }
  return p;
}

namespace {

// Polled every 10 ms: after 3 s still down the user is asked once to let
// go, and from 5 s on at every poll, so a stuck key cannot hold the run
// silently but a slow release is not nagged at.
void waitForKeyRelease(PlatWindow window, int vk) {
  int polls = 0;
  while (plat::isKeyDownAsync(vk)) {
    ++polls;
    plat::sleepMs(10);
    if (polls == 300 || polls >= 500)
      plat::messageBox(window, kTextReleaseKeys, kTextNoticeTitle);
  }
}

}  // namespace

void runMenu(PlatWindow window, int noSource) {
  PlatMenu menu = plat::createPopupMenu();
  MenuBuild.root = menu;
  if (!noSource) {
    int g = namedGroup();
    if (g >= 0) {
      // Never tracked: taken down at once, the group runs without it.
      plat::destroyMenu(menu);
      runNamedGroup(window, g);
      return;
    }
    forgetSubmenus();
    forgetLiveNodes();
    loadRecentList();
    appendRecentSubmenu(menu);
    appendDirLevel(menu, 0, 0);
    appendGroupItems(menu);
  }
  appendClosingItems(menu, noSource);
  MenuPlacement placement = menuPlacement();
  RunState.menuX = placement.x;
  RunState.menuY = placement.y;
  int modeBeforeMenu = RunState.invertTransfer;

  RunState.menuShowing = 1;
  RunState.spacePeekedAndMarked = 0;
  plat::installMenuHooks(window);
  plat::setForegroundWindow(window);
  int chosenId = plat::trackPopupMenu(menu, placement.flags, placement.x,
                                      placement.y, window);
  // A menu tracked by a background window needs a message posted after it,
  // or the next pop-up does not close on a click outside it (a documented
  // remark of TrackPopupMenu).
  plat::postNullMessage(window);
  plat::removeMenuHooks();
  destroyMenuTree(menu);
  MenuBuild.root = nullptr;
  RunState.menuShowing = 0;

  // A key typed in the menu: the finder takes over, with its own keys. Of
  // the menu's state it keeps the marks, on purpose, and nothing else: a
  // right-button press that chose nothing does not swap its mode.
  if (RunState.finderKey) {
    RunState.invertTransfer = modeBeforeMenu;
    return runFinder(window);
  }
  bool openNow = plat::isKeyDown(kVkControl);
  if (plat::isKeyDown(kVkShift)) RunState.invertTransfer = 1;
  waitForKeyRelease(window, kVkControl);
  waitForKeyRelease(window, kVkShift);
  if (chosenId != 0) dispatchMenuChoice(window, chosenId, openNow);
}
