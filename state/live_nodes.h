// The live folders the menu offers while it shows (see menu/live_folders.h):
// kept here, below the menu, because a plan sends to those marked. Which
// submenu shows a node is the menu's to know (menu/submenu_registry.h).
#pragma once

#include <vector>

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
};
extern LiveNodeRecord LiveNodes;

// A node that shows, or is kept for its mark, or both.
bool liveNodeTaken(int node);
// The nodes marked and every node they are listed under, found by walking
// up from each marked one: what an opener's check and the taking back of
// nodes both ask.
std::vector<bool> liveNodesHoldingMarks();
// The node is marked, or a node listed below it at any depth.
bool liveNodeHoldsMark(int node);
// The node kept for folder under parent; -1 when there is none.
int findLiveNode(const char* folder, int parent);
