#pragma once

#include <string>

// The whole command line stays within what Windows hands a program.
bool commandLineFits(const char* program, const char* parameters);
// Starts program with parameters in the program's own folder; when no such
// program exists, the shell opens the parameter text itself. False, and
// nothing started, when the command line would be too long to hand over.
bool launchProgram(const char* program, const char* parameters);
// Whether program may be handed the name: one a program started through
// cmd.exe cannot receive safely is noted and said in the notice box.
bool programMayReceive(const char* program, const std::string& name);
// Starts program with one name as its whole command line (the editor with
// the configuration, the file manager with a folder), quoted as the
// command-line rule says; without such a program the shell opens the name,
// quoted only when it holds a blank, as it always was. A name the program
// cannot be handed safely starts nothing and is said in the notice box.
void launchWithName(const char* program, const std::string& name);
