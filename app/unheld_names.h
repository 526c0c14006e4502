// Names the ANSI code page cannot hold exactly. They arrive marked from the
// platform (kUnheldMark), are left out wherever they would be used, and are
// reported to the user in one box per occasion, never twice.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"

const size_t kUnheldNamesListed = 20;

bool isUnheldName(const char* name);
// Remembers a name that was left out; a name already noted is not repeated.
void noteUnheldName(const std::string& name);
// Shows the names noted since the last box, the first 20 of them and the
// number of the rest, in one box titled as a notice. True when it showed one.
bool tellUnheldNames(PlatWindow window);
// Forgets every name (a new run).
void resetUnheldNames();
