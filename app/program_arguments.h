// The argument text of a whole command line, shared by every program.
#pragma once

// The program name (quoted, or up to the first blank) and the blanks behind
// it are skipped.
const char* argumentsAfterProgramName(const char* commandLine);
