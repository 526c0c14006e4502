// Every command id the destination menu hands out, in ranges that never
// reach each other, checked as the program is built.
#pragma once

#include "config/config_model.h"
#include "state/live_nodes.h"
#include "state/run_state.h"

enum : int {
  kDirSeparatorId = 1999,
  kDirItemBaseId = 2000,  // + [dir] entry index, below + kMaxDirEntries
  kGroupItemBaseId = 3200,  // + group index
  kGroupSubmenuId = 3250,
  kRecentSubmenuId = 3260,
  kRecentItemBaseId = 3300,  // + place in the recent list
  kOtherSeparatorId = 3600,
  kLiveNoteId = 3610,       // greyed notes of a live folder: never chosen
  kLiveSubfolderId = 3620,  // a listed subfolder: it opens, never chosen
  kSourceItemId = 3650,
  kConfigItemId = 3660,
  kHelpItemId = 3670,
  kVersionItemId = 3680,
  kLiveHereBaseId = 10000,  // + node: "このフォルダへ"
  kLiveNewBaseId = 12000,   // + node: "新しいフォルダ..."
  kLiveMoreBaseId = 14000,  // + node: the browser on the folder
};

// Each range holds all the ids it may give, and no range reaches another.
static_assert(kDirSeparatorId < kDirItemBaseId, "ids");
static_assert(kDirItemBaseId + kMaxDirEntries <= kGroupItemBaseId, "ids");
static_assert(kGroupItemBaseId + kMaxGroups <= kGroupSubmenuId, "ids");
static_assert(kGroupSubmenuId < kRecentSubmenuId, "ids");
static_assert(kRecentSubmenuId < kRecentItemBaseId, "ids");
static_assert(kRecentItemBaseId + kMaxRecent <= kOtherSeparatorId, "ids");
static_assert(kOtherSeparatorId < kLiveNoteId && kLiveNoteId < kLiveSubfolderId, "ids");
static_assert(kLiveSubfolderId < kSourceItemId && kSourceItemId < kConfigItemId, "ids");
static_assert(kConfigItemId < kHelpItemId && kHelpItemId < kVersionItemId, "ids");
static_assert(+kLiveHereBaseId > +kVersionItemId, "ids");
static_assert(kLiveHereBaseId + kMaxLiveNodes <= kLiveNewBaseId, "ids");
static_assert(kLiveNewBaseId + kMaxLiveNodes <= kLiveMoreBaseId, "ids");
// Ids travel through WM_MENUSELECT's low word.
static_assert(kLiveMoreBaseId + kMaxLiveNodes <= 0xFFFF, "ids fit a word");
static_assert(+kMaxDirEntries <= +kMaxMarkIndex && +kMaxRecent <= +kMaxMarkIndex,
              "every [dir] entry and recent folder can be marked");
