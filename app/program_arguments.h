// The argument text of a whole command line, shared by every program.
#pragma once

#include <string>

// The program name (quoted, or up to the first blank) and the blanks behind
// it are skipped.
const char* argumentsAfterProgramName(const char* commandLine);

// The next blank-separated argument from *p into *argument; quotes group
// and are dropped. False when only blanks are left ("" is an argument,
// empty).
bool nextArgument(const char** p, std::string* argument);
