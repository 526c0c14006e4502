// Live folders: a [dir] folder written "folder\*" opens onto its subfolders,
// listed each time its submenu opens, each subfolder live in turn, with an
// item for the folder itself and one that makes a new folder in it.
#pragma once

#include <string>

#include "config/config_model.h"
#include "menu/menu_build.h"
#include "state/live_nodes.h"
#include "platform/platform.h"

enum : int {
  kLiveShownFolders = 200,    // subfolders listed in one submenu
  kLiveWaitMs = 1500,         // a listing not done by then shows as slow
  kLiveNoteId = 3610,         // greyed notes: never chosen
  kLiveHereBaseId = 10000,    // + node: "このフォルダへ"
  kLiveNewBaseId = 12000,     // + node: "新しいフォルダ..."
  kLiveMoreBaseId = 14000,    // + node: the browser on the folder
};
// Beside the other ranges, and through WM_MENUSELECT's low word.
static_assert(+kLiveNoteId > +kOtherSeparatorId && +kLiveNoteId < +kSourceItemId, "ids");
static_assert(+kLiveHereBaseId > +kVersionItemId, "ids");
static_assert(kLiveHereBaseId + kMaxLiveNodes <= kLiveNewBaseId, "ids");
static_assert(kLiveNewBaseId + kMaxLiveNodes <= kLiveMoreBaseId, "ids");
static_assert(kLiveMoreBaseId + kMaxLiveNodes <= 0xFFFF, "ids fit a word");

enum LiveItem { kLiveHere, kLiveNew, kLiveMore };

// Forgets every live folder; done before a menu is built.
void forgetLiveNodes();
// A live folder for folder under parent (-1 for none), its submenu attached
// empty to the item of that id; -1 when the table is full.
int attachLiveSubmenu(PlatMenu menu, int itemId, const char* folder, int parent);
// A node for a folder with no submenu (a folder just made); -1 when full.
int addLiveNode(const char* folder, int parent);
// The live folder whose submenu this is; -1 for any other menu.
int liveNodeOfSubmenu(PlatMenu submenu);
// A submenu about to be destroyed: its handle names its folder no more.
void forgetLiveSubmenu(PlatMenu submenu);
// The node and kind of a live item's id; -1 for any other id.
int liveNodeOfMenuId(int id, LiveItem* item);
// Lists the folder and fills its submenu (see the header comment).
void fillLiveMenu(PlatMenu submenu, int node);

// folder + "\" + name, with one backslash and a drive's root spelled whole.
std::string pathInFolder(const char* folder, const std::string& name);
// File-manager order: case ignored, digit runs compared by their value.
bool logicalLess(const std::string& a, const std::string& b);
// Why a typed new folder's name is refused, kUiTextCount when it is taken.
UiText newFolderNameProblem(const std::string& parent, const std::string& name);
