// The live folders the menu offers while it shows (see menu/live_folders.h):
// kept here, below the menu, because a transfer sends to those marked.
#pragma once

#include "platform/platform.h"
#include "state/marks.h"
#include "state/run_state.h"

enum : int { kMaxLiveNodes = 2000 };  // folders offered at once, at every depth
static_assert(+kMaxLiveNodes <= +kMaxMarkIndex, "every node can be marked");

// LiveNodes.state: a spare node's submenu closed, so no item that shows
// names it; it is taken back when the table is full, unless it is marked.
enum : int { kNodeFree = 0, kNodeInUse = 1, kNodeSpare = 2 };

// One folder offered live: the [dir] entry's own, or a subfolder listed.
struct LiveNodeRecord {
  int state[kMaxLiveNodes];
  int parent[kMaxLiveNodes];  // -1 for a [dir] entry's own
  char folder[kMaxLiveNodes][kPathSize];
  PlatMenu submenu[kMaxLiveNodes];
};
extern LiveNodeRecord LiveNodes;
