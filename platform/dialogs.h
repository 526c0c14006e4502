// The program's own dialogs, built over Windows by the platform: the
// new-folder dialog and the finder. Apart from the seam (platform.h), which
// carries only what Windows itself does; the portable code decides what they
// ask and what their answers mean.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace plat {

// The reason a typed name is refused (shown in a box over the dialog, which
// stays open with the text kept), or kUiTextCount when it is taken.
typedef UiText (*FolderNameCheck)(const std::string& name);
// The new-folder dialog over owner, naming parent, the field pre-filled with
// initial and selected. The name taken, read wide (a character the code
// page cannot hold comes marked and check refuses it); empty on Cancel.
std::string askFolderName(PlatWindow owner, const char* parent, const std::string& initial,
                          FolderNameCheck check);

// The finder's window at x,y over owner, its field holding typed: each
// change of the field asks query for the rows to list, the top one
// selected. Up and Down move the selection; Enter on a row that is not
// greyed answers it, with the Shift and Ctrl keys held; Escape answers -1.
// It is shown while the menu that opened it still closes, and the field
// takes the focus at once: every key typed from then on, those already
// queued for the thread's other windows included, lands in it in order.
struct FinderRow {
  std::string text;  // marked names shown as they really are
  bool grayed;
};
typedef std::vector<FinderRow> (*FinderQuery)(const std::string& typed);
struct FinderAnswer {
  int row;  // -1: closed without a choice
  bool shift, control;
};
void showFinder(PlatWindow owner, int x, int y, const std::string& typed, FinderQuery query);
// Runs the finder shown until it is answered, then takes it down.
FinderAnswer finishFinder();

}  // namespace plat
