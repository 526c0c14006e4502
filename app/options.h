#pragma once

// Reads the "/#" options of the command line into RunState and Config.
// Options are found by case-insensitive substring search anywhere.
void parseOptions(const char* commandLine);
