// Showing the destination menu and carrying out what was chosen.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

void runMenu(PlatWindow window, int noSource);

struct MenuPlacement {
  int x, y;
  unsigned flags;
};
MenuPlacement menuPlacement();

// Polls until the key is up, warning at the 300th poll and from the 500th.
void waitForKeyRelease(PlatWindow window, int vk);
