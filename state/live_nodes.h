// The live folders the menu offers while it shows (see menu/live_folders.h):
// kept here, below the menu, because a transfer sends to those marked.
#pragma once

#include "platform/platform.h"
#include "state/run_state.h"

enum : int { kMaxLiveNodes = 2000 };  // folders offered at once, at every depth

// One folder offered live: the [dir] entry's own, or a subfolder listed.
struct LiveNodeRecord {
  int used[kMaxLiveNodes];
  int parent[kMaxLiveNodes];  // -1 for a [dir] entry's own
  char folder[kMaxLiveNodes][kPathSize];
  PlatMenu submenu[kMaxLiveNodes];
  int marked[kMaxLiveNodes];
};
extern LiveNodeRecord LiveNodes;

