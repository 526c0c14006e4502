// The portable part of start-up and of the single run it starts.
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

// The single run: sources, then the preset run, the menu run or the
// no-source menu.
void dispatchRun(PlatWindow hostWindow);
