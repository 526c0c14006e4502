// Reads the configuration file into the tables of config_model.h.
#pragma once

#include <cstddef>
#include <string>

#include "config/config_lines.h"
#include "platform/platform.h"

// 1 when the tables are filled; 0 when the file cannot be opened (the error
// box has been shown and the run must end).
int loadConfiguration(PlatWindow hostWindow);

// Fills UserMacros from the lines after the @param line at offset; returns
// the bytes of the @param line and the macro lines taken.
size_t readUserMacros(const std::string& text, size_t offset);

