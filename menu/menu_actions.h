// What a chosen destination does: copy, move or a program per folder.
#pragma once

#include <string>
#include <vector>

#include "menu/destination_plan.h"
#include "platform/platform.h"
#include "state/marks.h"

// Carries out a plan: the transfer to its folders, or in [exec] mode a
// program per folder of it; true when the opening step may follow.
bool performDestination(PlatWindow window, const DestinationPlan& plan);

// The browser's start folder: the base folder, else the first source's.
std::string browseStartFolder();

// A group named on the command line, run without the menu.
void runNamedGroup(PlatWindow window, int group);
// Carries out a command id returned by the menu.
void dispatchMenuChoice(PlatWindow window, int chosenId, bool openNow);
// Sends to a folder chosen outside the menu (the finder) as a click on its
// item would: marked with the others, then the transfer, then remembered.
void sendToChosenFolder(PlatWindow window, Destination destination, const char* folder,
                        bool openNow);
// A run with a preset destination (levels up, or the browser): no menu.
void runPresetDestination(PlatWindow window);
// Opens a folder in the configured file manager; with none configured the
// launcher hands the quoted folder to the shell, which opens it itself.
void openDestination(const char* destinationFolder);
