#pragma once

#include <string>

// Finds a program as written, then (with tryExe) with ".exe" appended, then
// in the configured search path, then in the system's search order. Returns
// whether it was found; *path is the full path, or the name unchanged. A
// program whose full path the code page cannot hold is not found.
bool locateProgram(const char* name, int tryExe, std::string* path);

// Takes the search path from a file: the text after its first "path=" up to
// the line end, or else the whole file without line breaks. A line holding
// input the file's encoding or the code page cannot give is left out.
void readSearchPathFile(const char* fileName);

enum ProgramKind { kProgramDirect, kProgramThroughCmd };
// How the shell starts that program: through cmd.exe, which reads its
// command line with rules of its own, for a .bat or .cmd file or cmd.exe
// itself; directly for anything else.
ProgramKind programKindOf(const char* program);
