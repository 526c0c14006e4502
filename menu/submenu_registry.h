// The one record of what each submenu of the destination menu stands for: a
// [dir] opener's entry, a live folder's node, or the recent destinations.
// Each kind registers its submenus as it attaches them; the menu tree
// forgets a handle as it destroys it, calling into none of the kinds, since
// a destroyed handle may be handed out again to an unrelated menu.
#pragma once

#include "platform/platform.h"

enum SubmenuKind { kSubmenuDirEntry, kSubmenuLiveNode, kSubmenuRecent };

// The submenu stands for that entry, node or list from now on.
void registerSubmenu(PlatMenu submenu, SubmenuKind kind, int index = 0);
// The entry or node a submenu of that kind stands for; -1 for any other.
int submenuIndex(PlatMenu submenu, SubmenuKind kind);
// The [dir] entry whose submenu this is; -1 for any other menu.
inline int dirEntryOfSubmenu(PlatMenu submenu) {
  return submenuIndex(submenu, kSubmenuDirEntry);
}
// The live folder's node whose submenu this is; -1 for any other menu.
inline int liveNodeOfSubmenu(PlatMenu submenu) {
  return submenuIndex(submenu, kSubmenuLiveNode);
}
inline bool isRecentSubmenu(PlatMenu submenu) {
  return submenuIndex(submenu, kSubmenuRecent) >= 0;
}
// A submenu about to be destroyed: its handle stands for nothing now.
void forgetSubmenu(PlatMenu submenu);
// The node (or entry) is taken back: no handle stands for it any more.
void forgetSubmenuOf(SubmenuKind kind, int index);
// Forgets every submenu; done before a menu is built.
void forgetSubmenus();
