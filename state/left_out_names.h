// Names that are left out rather than used: names the ANSI code page cannot
// hold exactly (they arrive marked from the platform, kUnheldMark) and
// names no file can have (a wildcard the shell would expand, a device). Both are
// reported to the user in one box per occasion, each name once.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"

const size_t kUnheldNamesListed = 20;

bool isUnheldName(const char* name);
// A file name cannot hold * or ?; the shell takes either as a wildcard.
bool isWildcardName(const char* name);
// The last component names a device (CON, PRN, AUX, NUL, COM1-9, LPT1-9,
// CONIN$, CONOUT$), with or without an extension: in any folder it opens
// the device, not a file.
bool isDeviceName(const char* path);
// Remembers a name that was left out; a name already noted is not repeated.
void noteUnheldName(const std::string& name);
// A name no file can have: a wildcard or a device.
void noteInvalidName(const std::string& name);
// Shows the names noted since the last box in one box titled as a notice,
// a section per kind: the first 20 names and the number of the rest. True
// when it showed one.
bool tellLeftOutNames(PlatWindow window);
// Forgets every name (a new run).
void resetLeftOutNames();
