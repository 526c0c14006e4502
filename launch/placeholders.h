#pragma once

#include <string>

#include "launch/command_items.h"

enum : size_t { kParameterTextLimit = 1039 };  // UTF-16 units

// Fills "%P" (destination with a trailing backslash when it is a folder) and
// then "%-P" (destination as given) into a parameter template for a program
// of that kind. An occurrence outside the template's own quotes gets the
// destination as a command-line item (quoted when cmd.exe would act on a
// character of it). False when the text is longer than kParameterTextLimit
// units: no program is handed it, as it never is cut.
bool fillDestinationPlaceholders(const char* paramTemplate, const char* destination,
                                 ProgramKind kind, std::string* filled);
