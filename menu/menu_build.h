// The destination menu's items and command ids, built from the tables.
#pragma once

#include <string>

#include "config/config_model.h"
#include "menu/menu_ids.h"
#include "platform/platform.h"

// What a "+" or "-" line puts before the next item of the same level.
enum : int { kBreakNone = 0, kBreakSeparator = 1, kBreakColumn = 2 };

// The [dir] entry a menu command id stands for; -1 for any other id.
int dirEntryOfMenuId(int id);
// The place in the recent list a menu command id stands for; -1 for any
// other id.
int recentEntryOfMenuId(int id);

struct MenuBuildState {
  int pendingBreak;  // kBreakNone, kBreakSeparator or kBreakColumn
  PlatMenu root;     // the menu shown, while it shows
};
extern MenuBuildState MenuBuild;

// Empties menu and fills it with the [dir] entries of one level: from entry
// index + offset, at that entry's level. Submenus are attached empty and
// registered with their entry, so an opening popup is known by its own
// handle, whatever item was last highlighted.
void fillDirMenu(PlatMenu menu, int index, int offset);
// The same without emptying the menu first.
void appendDirLevel(PlatMenu menu, int index, int offset);
// The submenu of recent destinations and a separator, when the list holds
// a folder; a folder gone from a local drive shows greyed.
void appendRecentSubmenu(PlatMenu menu);
void appendDirItem(PlatMenu menu, int index, const char* caption);
void appendGroupItems(PlatMenu menu);
void appendClosingItems(PlatMenu menu, int noSource);

// The source item's text, cut so it always fits 259 characters.
std::string sourceItemText();
