// The finder: a printable key in the menu that is no access key closes the
// menu and opens a small window that lists every destination the menu
// offers whose name holds the typed text, recent ones first; Enter sends to
// the one selected, as a click on its item would.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"
#include "state/marks.h"

// A destination the finder offers.
struct FinderEntry {
  Destination destination;  // for a live subfolder, its node is taken once chosen
  int liveParent;           // the node listing a live subfolder; -1 for the others
  std::string folder;
  std::string shown;        // its submenu path, then its caption
  bool usable;              // false: greyed, as a folder gone is in the menu
  bool recent;
  // Folded for matching: case ignored, full-width ASCII as half-width.
  std::u16string caption, name, parentName;
};

// Every destination of the menu in menu order: recent folders, then the
// [dir] folders with the captions of their submenus, each live folder and
// the subfolders it lists one level down (waited for as the menu waits).
std::vector<FinderEntry> collectFinderEntries();
// Text folded the way the finder compares it.
std::u16string foldedForFinding(const std::string& text);
// The entries whose caption or folder name holds the typed text, in rank
// order: recent ones in list order, then names that begin with it, then
// names where a word begins with it, then the rest, each rank in menu
// order. "par\chi" finds folders whose name begins with "chi" in a folder
// whose name begins with "par".
std::vector<size_t> findMatches(const std::vector<FinderEntry>& entries, const std::string& typed);
// A key typed in the menu that the finder takes (a UTF-16 unit): shows the
// finder at the menu's place with it typed, while the menu still closes.
void openFinder(PlatWindow window, int x, int y, char16_t typed);
// Once the menu has closed: runs the finder opened, then sends to the
// destination chosen in the run's own mode (Shift+Enter flips it).
void runFinder(PlatWindow window);
