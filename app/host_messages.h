// The portable part of the host window's menu-time messages; the win32
// window procedure calls one of these per message.
#pragma once

#include "platform/platform.h"

// Menu messages of the host window.
void onMenuSelect(int item, unsigned flags, PlatMenu menu);
// Fills a [dir] submenu about to open; true when a Down-arrow press should
// follow (the submenu was opened with the mouse).
bool onInitMenuPopup(PlatMenu submenu);
// A popup closed: a highlight inside it is forgotten.
void onUninitMenuPopup(PlatMenu menu);
// WM_MENUCHAR: a key that is no access key of the open menu, a UTF-16
// unit. True when the finder has opened with it typed and the menu is to
// close.
bool onMenuChar(PlatWindow window, int unit);
// WM_KILLFOCUS while the menu shows: true when a left-button press is to be
// posted and swallowed.
bool onKillFocus();
// WM_LBUTTONDOWN: the result to return.
int onLeftButtonDown();
