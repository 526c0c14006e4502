#pragma once

#include <string>

enum : size_t { kMacroTextLimit = 3899 };

// Replaces special-folder, program-folder, date and user macros; the result
// is at most 3899 bytes.
std::string expandPathMacros(const char* text);
