// The portable part of start-up and of the host window's messages; the
// win32 window procedure calls one of these per message.
#pragma once

#include <string>

#include "platform/platform.h"

enum : int { kStartTimerId = 610 };

// Fills modulePath (quotes removed) and defaultConfigName from the program
// file's path; returns the class name, the program file's base name.
std::string deriveProgramNames(const char* modulePath);

// Shift at start, inverted by "/#K=sft".
int folderInternalFor(bool shiftDown, const char* commandLine);

// programFolder, readmePath, baseFolder and the screen metrics.
void initPathsAndMetrics(int screenWidth, int maximizedHeight,
                         int mouseButtons);

// The WM_CREATE steps after the metrics: default configuration path,
// options, configuration. False when the run must end.
bool runStartupSteps(PlatWindow window, bool shiftDown);

// The argument text of a whole command line: the program name (quoted, or
// up to the first blank) and the blanks behind it are skipped.
const char* argumentsAfterProgramName(const char* commandLine);

// The single run: sources, then the preset run, the menu run or the
// no-source menu.
void dispatchRun(PlatWindow hostWindow);

// Menu messages of the host window.
void onMenuSelect(int item, unsigned flags, PlatMenu menu);
// Fills a [dir] submenu about to open; true when a Down-arrow press should
// follow (the submenu was opened with the mouse).
bool onInitMenuPopup(PlatMenu submenu);
// A popup closed: a highlight inside it is forgotten.
void onUninitMenuPopup(PlatMenu menu);
// WM_KILLFOCUS while the menu shows: true when a left-button press is to be
// posted and swallowed.
bool onKillFocus();
// WM_LBUTTONDOWN: the result to return.
int onLeftButtonDown();
