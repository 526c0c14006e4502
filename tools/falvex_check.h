// falvex-check's work, apart from how its command line is read.
#pragma once

// Checks the configuration the first argument names and returns the exit
// code; with none, or /?, -h or --help, prints how it is used.
int runFalvexCheck(const char* arguments);
