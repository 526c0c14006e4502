// Menus as trees of submenus: emptied and destroyed with what each submenu
// stood for forgotten, since a destroyed handle may be handed out again.
#pragma once

#include <string>

#include "platform/platform.h"

// Removes every item, its submenus destroyed and forgotten.
void emptyMenu(PlatMenu menu);
// Destroys the menu and every submenu reachable from it, each forgotten.
void destroyMenuTree(PlatMenu menu);
// A [dir] opener (a submenu or a live folder) leads to a marked
// destination, at any depth below it.
bool dirOpenerHoldsMark(int entry);
// Checks every submenu opener reachable from menu that leads to a marked
// destination and unchecks the others, so a mark never hides two levels
// down.
void refreshOpenerChecks(PlatMenu menu);
// "&" as written, not an access key: each doubled.
std::string withLiteralAmpersands(const char* text);
