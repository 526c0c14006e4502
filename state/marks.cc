#include "state/marks.h"

#include <cstring>

namespace {

struct MarkRecord {
  unsigned char marked[kMarkKinds][kMaxMarkIndex];
};
MarkRecord Marks;

bool inRange(Destination destination) {
  return destination.kind >= 0 && destination.kind < kMarkKinds && destination.index >= 0 &&
         destination.index < kMaxMarkIndex;
}

}  // namespace

void setMarked(Destination destination, bool marked) {
  if (inRange(destination)) Marks.marked[destination.kind][destination.index] = marked ? 1 : 0;
}

bool isMarked(Destination destination) {
  return inRange(destination) && Marks.marked[destination.kind][destination.index] != 0;
}

bool toggleMarked(Destination destination) {
  setMarked(destination, !isMarked(destination));
  return isMarked(destination);
}

std::vector<Destination> markedDestinations() {
  std::vector<Destination> marked;
  for (int kind = 0; kind < kMarkKinds; ++kind)
    for (int index = 0; index < kMaxMarkIndex; ++index)
      if (Marks.marked[kind][index]) marked.push_back({static_cast<MarkKind>(kind), index});
  return marked;
}

void clearMarks() { memset(&Marks, 0, sizeof Marks); }
