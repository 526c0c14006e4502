// The destinations the user marked in the menu: the one place a mark is
// kept, whatever kind of item shows it. A mark lives as long as the run;
// the number of marks is counted from the marks, never kept beside them.
#pragma once

#include <vector>

enum : int { kMaxMarkIndex = 2000 };  // room for the largest kind's indexes

// The kinds of destination that can be marked, in the order their marked
// destinations receive: [dir] entries, live folders, then recent ones.
enum MarkKind { kMarkDirEntry, kMarkLiveNode, kMarkRecent, kMarkKinds };

struct Destination {
  MarkKind kind;
  int index;  // the [dir] entry, live node or place in the recent list
};

// Marks or unmarks; an index out of range is never marked.
void setMarked(Destination destination, bool marked);
bool isMarked(Destination destination);
// Marks an unmarked destination and unmarks a marked one; its new state.
bool toggleMarked(Destination destination);
// Marked destinations of every kind, in the order they receive.
std::vector<Destination> markedDestinations();
// Forgets every mark: a new run.
void clearMarks();
