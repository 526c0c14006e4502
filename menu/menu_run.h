// Showing the destination menu and carrying out what was chosen.
#pragma once

#include "platform/platform.h"

void runMenu(PlatWindow window, int noSource);

struct MenuPlacement {
  int x, y;
  unsigned flags;
};
MenuPlacement menuPlacement();
