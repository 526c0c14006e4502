// Live folders: a [dir] folder written "folder\*" opens onto its subfolders,
// listed each time its submenu opens, each subfolder live in turn, with an
// item for the folder itself and one that makes a new folder in it.
#pragma once

#include <string>
#include <vector>

#include "config/config_model.h"
#include "menu/menu_ids.h"
#include "platform/platform.h"
#include "state/live_nodes.h"

enum : int {
  kLiveShownFolders = 200,  // subfolders listed in one submenu
  kLiveWaitMs = 1500,       // a listing not done by then shows as slow
};

enum LiveItem { kLiveHere, kLiveNew, kLiveMore };

// Forgets every live folder; done before a menu is built.
void forgetLiveNodes();
// The node of folder under parent (-1: a [dir] entry's own): the one kept
// for it, else a new one; -1 when the table is full.
int liveNodeFor(const char* folder, int parent);
// A submenu closed: the folders it listed are shown nowhere now, and their
// nodes are taken back when the table runs out (marked ones never).
void releaseLiveSubmenu(PlatMenu submenu);
// The node and kind of a live item's id; -1 for any other id.
int liveNodeOfMenuId(int id, LiveItem* item);
// Lists the folder and fills its submenu (see the header comment).
void fillLiveMenu(PlatMenu submenu, int node);
// A subfolder's name that Windows paths would spell as another folder's
// (a trailing dot or blank is dropped, a device name opens the device).
bool nameChangedByPaths(const std::string& name);
// The names of a live folder's listed subfolders that are offered, in the
// listing's order: not hidden, held by a path as they are; those left out
// for their names are counted in *unshown.
std::vector<std::string> offeredSubfolders(int node, const std::vector<plat::Subfolder>& found,
                                           int* unshown);

// folder + "\" + name, with one backslash and a drive's root spelled whole.
std::string pathInFolder(const char* folder, const std::string& name);
// The file manager's order over the names as Windows holds them (UTF-16),
// the same under every code page: case ignored, digit runs compared by
// their value. The first `first` names are put in order, the rest left.
void sortLikeFileManager(std::vector<std::string>* names, size_t first);
// Why a typed new folder's name is refused, kUiTextCount when it is taken.
UiText newFolderNameProblem(const std::string& parent, const std::string& name);
