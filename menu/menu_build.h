// The destination menu's items and command ids, built from the tables.
#pragma once

#include <string>

#include "config/config_model.h"
#include "platform/platform.h"

enum : int {
  kDirSeparatorId = 1999,
  kDirItemBaseId = 2000,  // + [dir] entry index, below + kMaxDirEntries
  kGroupItemBaseId = 3200,  // + group index
  kGroupSubmenuId = 3250,
  kOtherSeparatorId = 3600,
  kSourceItemId = 3650,
  kConfigItemId = 3660,
  kHelpItemId = 3670,
  kVersionItemId = 3680,
};

// What a "+" or "-" line puts before the next item of the same level.
enum : int { kBreakNone = 0, kBreakSeparator = 1, kBreakColumn = 2 };

// The [dir] entry a menu command id stands for; -1 for any other id.
int dirEntryOfMenuId(int id);

struct MenuBuildState {
  int pendingBreak;  // kBreakNone, kBreakSeparator or kBreakColumn
  // The submenu attached to each [dir] opener, so an opening popup is known
  // by its own handle, whatever item was last highlighted.
  PlatMenu dirSubmenu[kMaxDirEntries];
};
extern MenuBuildState MenuBuild;

// Empties menu and fills it with the [dir] entries of one level: from entry
// index + offset, at that entry's level. Submenus are attached empty.
void fillDirMenu(PlatMenu menu, int index, int offset);
void appendDirItem(PlatMenu menu, int index, const char* caption);
void appendGroupItems(PlatMenu menu);
void appendClosingItems(PlatMenu menu, int noSource);
// The [dir] entry whose submenu this is; -1 for any other menu.
int dirEntryOfSubmenu(PlatMenu submenu);
// Forgets every submenu owner; done before a menu is built.
void forgetDirSubmenus();
// Destroys every submenu reachable from menu, depth first; menu stays.
void destroySubmenus(PlatMenu menu);

// The source item's text, cut so it always fits its 260-byte buffer.
std::string sourceItemText();
