#include "state/live_nodes.h"

#include "text/ansi_text.h"

LiveNodeRecord LiveNodes;

bool liveNodeTaken(int node) { return LiveNodes.state[node] != kNodeFree; }

std::vector<bool> liveNodesHoldingMarks() {
  std::vector<bool> holding(kMaxLiveNodes);
  for (int k = 0; k < kMaxLiveNodes; ++k)
    for (int up = liveNodeTaken(k) && isMarked({kMarkLiveNode, k}) ? k : -1;
         up >= 0 && !holding[up]; up = LiveNodes.parent[up])
      holding[up] = true;
  return holding;
}

bool liveNodeHoldsMark(int node) { return liveNodesHoldingMarks()[node]; }

int findLiveNode(const char* folder, int parent) {
  for (int node = 0; node < kMaxLiveNodes; ++node)
    if (liveNodeTaken(node) && LiveNodes.parent[node] == parent &&
        equalsI(LiveNodes.folder[node], folder))
      return node;
  return -1;
}
