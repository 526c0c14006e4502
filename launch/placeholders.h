#pragma once

#include <string>

#include "launch/command_items.h"

enum : size_t { kParameterTextLimit = 1039 };

// Fills "%P" (destination with a trailing backslash when it is a folder) and
// then "%-P" (destination as given) into a parameter template for a program
// of that kind. An occurrence outside the template's own quotes gets the
// destination as a command-line item (quoted when cmd.exe would act on a
// character of it).
std::string fillDestinationPlaceholders(const char* paramTemplate, const char* destination,
                                        ProgramKind kind);
