// What the menu-time hooks decide; the win32 hook procedures only translate
// their arguments and call these.
#pragma once

// Toggles the mark and check mark of the highlighted [dir] folder item.
void toggleMark();
// True when the highlighted item is a [dir] folder item.
bool highlightedItemIsMarkable();
// A mouse button press inside the menu loop; true when it is swallowed.
bool onMenuMouseDown(bool middleButton, bool rightButton);
// A key message inside the menu loop; true when it is swallowed.
bool onMenuKey(int vk, bool goingDown);
