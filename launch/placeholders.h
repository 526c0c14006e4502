#pragma once

#include <string>

enum : size_t { kParameterTextLimit = 1039 };

// Fills "%P" (destination with a trailing backslash when it is a folder) and
// then "%-P" (destination as given) into a parameter template.
std::string fillDestinationPlaceholders(const char* paramTemplate,
                                        const char* destination);
