// Names that are left out rather than used: names longer than Windows
// allows (counted as Windows counts them), and names no file can have (a
// wildcard the shell would expand, a device, a name the path rules would
// change). Both are reported to the user in one box per occasion, each name
// once, with what to do.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"
#include "text/windows_names.h"

const size_t kUnheldNamesListed = 20;

// A file name cannot hold * or ?; the shell takes either as a wildcard.
bool isWildcardName(const char* name);
// Remembers a name that was left out; a name already noted is not repeated.
void noteTooLongName(const std::string& name);
// A name no file can have: a wildcard, a device, one the path rules change.
void noteInvalidName(const std::string& name);
// A name a program started through cmd.exe cannot be handed safely.
void noteBatchUnsafeName(const std::string& name);
// A program was not started: its command line, with a list of that many
// names, would be longer than Windows hands over.
void noteCommandTooLong(int names);
// Shows the names noted since the last box in one box titled as a notice,
// a section per kind: the first 20 names and the number of the rest. True
// when it showed one.
bool tellLeftOutNames(PlatWindow window);
// Forgets every name (a new run).
void resetLeftOutNames();
