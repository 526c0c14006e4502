#pragma once

#include <string>

#include "platform/platform.h"

// The shell's folder browser, titled by the mode, opened on startFolder
// (a bare drive such as C: opens on C:\). Empty when cancelled.
std::string browseForDestination(PlatWindow window, const char* startFolder);
