#pragma once

// Starts program with parameters in the program's own folder; when no such
// program exists, the shell opens the parameter text itself.
void launchProgram(const char* program, const char* parameters);
