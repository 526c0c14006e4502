// falvex-check's work, apart from how its command line is read.
#pragma once

// Checks the configuration the first argument names ("Falvex.ini" when
// none) and returns the exit code.
int runFalvexCheck(const char* arguments);
