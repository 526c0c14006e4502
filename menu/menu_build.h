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
  kRecentSubmenuId = 3260,
  kRecentItemBaseId = 3300,  // + place in the recent list
  kOtherSeparatorId = 3600,
  kSourceItemId = 3650,
  kConfigItemId = 3660,
  kHelpItemId = 3670,
  kVersionItemId = 3680,
};

// Each range holds all the ids it may give, and no range reaches another.
static_assert(kDirSeparatorId < kDirItemBaseId, "ids");
static_assert(kDirItemBaseId + kMaxDirEntries <= kGroupItemBaseId, "ids");
static_assert(kGroupItemBaseId + kMaxGroups <= kGroupSubmenuId, "ids");
static_assert(kGroupSubmenuId < kRecentSubmenuId, "ids");
static_assert(kRecentSubmenuId < kRecentItemBaseId, "ids");
static_assert(kRecentItemBaseId + kMaxRecent <= kOtherSeparatorId, "ids");
static_assert(kOtherSeparatorId < kSourceItemId && kSourceItemId < kConfigItemId, "ids");
static_assert(kConfigItemId < kHelpItemId && kHelpItemId < kVersionItemId, "ids");
// "Every marked entry" is a transfer target beside the group indexes.
static_assert(static_cast<int>(kMarkedEntriesTarget) >= static_cast<int>(kMaxGroups),
              "a group index is never the marked entries");

// What a "+" or "-" line puts before the next item of the same level.
enum : int { kBreakNone = 0, kBreakSeparator = 1, kBreakColumn = 2 };

// The [dir] entry a menu command id stands for; -1 for any other id.
int dirEntryOfMenuId(int id);
// The place in the recent list a menu command id stands for; -1 for any
// other id.
int recentEntryOfMenuId(int id);

struct MenuBuildState {
  int pendingBreak;  // kBreakNone, kBreakSeparator or kBreakColumn
  // The submenu attached to each [dir] opener, so an opening popup is known
  // by its own handle, whatever item was last highlighted.
  PlatMenu dirSubmenu[kMaxDirEntries];
};
extern MenuBuildState MenuBuild;

// Removes every item, its submenus destroyed and their owners forgotten.
void emptyMenu(PlatMenu menu);
// "&" as written, not an access key: each doubled.
std::string withLiteralAmpersands(const char* text);
// Empties menu and fills it with the [dir] entries of one level: from entry
// index + offset, at that entry's level. Submenus are attached empty.
void fillDirMenu(PlatMenu menu, int index, int offset);
// The same without emptying the menu first.
void appendDirLevel(PlatMenu menu, int index, int offset);
// The submenu of recent destinations and a separator, when the list holds
// a folder; a folder gone from a local drive shows greyed.
void appendRecentSubmenu(PlatMenu menu);
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
