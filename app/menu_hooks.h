// What the menu-time hooks decide; the win32 hook procedures only translate
// their arguments and call these.
#pragma once

// Toggles the mark and check mark of the highlighted folder item: a [dir]
// folder, a live folder's own item or a recent folder.
void toggleMark();
// True when the highlighted item is such a folder item.
bool highlightedItemIsMarkable();
// A mouse button press inside the menu loop; true when it is swallowed.
bool onMenuMouseDown(bool middleButton, bool rightButton);

// How a menu loop hands a key to the keyboard hook: peeked at while it stays
// queued (HC_NOREMOVE), or taken from the queue (HC_ACTION).
enum KeyHookCall { kKeyPeeked, kKeyTaken };
// A key message inside the menu loop, as the hook is called with it; true
// when it is swallowed. Each keystroke of Space over a markable item toggles
// once, whether the loop peeks and then takes it, only takes it, or drops a
// peeked key the hook swallowed.
bool onMenuKey(KeyHookCall call, int vk, bool goingDown);
