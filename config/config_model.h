// The tables the configuration file turns into. Fixed capacities; nothing is
// allocated for them and they live until the process ends.
#pragma once

#include "state/run_state.h"

enum : int {
  kMaxDirEntries = 1000,
  kMaxGroups = 10,
  kMaxMembers = 10,
  kMaxPrograms = 10,
  kMaxUserMacros = 10,
  kMacroNameSize = 20 * kBytesPerUnit,
  kSearchPathSize = 5200 * kBytesPerUnit,
  kMaxRecent = 20,  // folders the recent list holds at most
};

// [dir] entry kinds.
enum : int {
  kDirFolder = 0,
  kDirSeparator = 2,
  kDirColumn = 3,
  kDirLive = 4,  // "folder\*": its subfolders, listed as its submenu opens
  kDirSubmenu = 8,
  kDirSubmenuEnd = 9,
};

// Menu placement.
enum : int {
  kMenuAtActiveWindow = 0,
  kMenuAtCoordinates = 1,
  kMenuAtMouse = 2,
  kMenuAtMouseCentred = 3,
  kMenuAtScreenCentre = 4,
};

struct ConfigRecord {
  int menuPosition;
  int menuX;
  int menuY;
  int expandMacros;
  char searchPath[kSearchPathSize];
  int searchPathSet;
  char filerPath[kPathSize];
  char filerParams[kPathSize];
  char editorPath[kPathSize];
  int recentCapacity;  // @recent=N: folders kept; 0 keeps no list at all
};

struct UserMacrosRecord {
  int count;
  char name[kMaxUserMacros][kMacroNameSize];
  char value[kMaxUserMacros][kPathSize];
};

struct DirEntriesRecord {
  int count;
  int kind[kMaxDirEntries];
  int level[kMaxDirEntries];
  char folder[kMaxDirEntries][kPathSize];
  char caption[kMaxDirEntries][kPathSize];
};

struct GroupsRecord {
  int count;
  char caption[kMaxGroups][kPathSize];
  char plainName[kMaxGroups][kPathSize];
  int memberCount[kMaxGroups];
  char member[kMaxGroups][kMaxMembers][kPathSize];
  // Members left out at load because their folder did not exist, as
  // written: named to the user when the group then sends nothing.
  int missingCount[kMaxGroups];
  char missing[kMaxGroups][kMaxMembers][kPathSize];
  int direct;
  int columnBreak;
};

struct ExecEntriesRecord {
  int count;
  char program[kMaxPrograms][kPathSize];
  char caption[kMaxPrograms][kPathSize];
  char params[kMaxPrograms][kPathSize];
};

// The recent destinations the menu offers, read from the list file
// (config/recent_list.h) as the menu is built.
struct RecentRecord {
  int count;
  char folder[kMaxRecent][kPathSize];
  int available[kMaxRecent];  // tested as the menu is built
};

extern ConfigRecord Config;
extern UserMacrosRecord UserMacros;
extern DirEntriesRecord DirEntries;
extern GroupsRecord Groups;
extern ExecEntriesRecord ExecEntries;
extern RecentRecord Recent;

// Back to the values of process start (menuPosition 9, all else empty).
void resetConfigModel();
