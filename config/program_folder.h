// The folders a run starts from: the program's own, and the browser's.
#pragma once

#include <string>

// The program folder followed by name, into out[kPathSize]. A path that
// cannot be formed whole (the program folder did not fit its field, the name
// does not fit behind it, or either holds a name the code page cannot hold)
// leaves out empty: a cut, relative or best-fit path names some other file.
bool pathInProgramFolder(char* out, const char* name);

// Sets RunState.baseFolder, the browser's start folder, when value names an
// existing folder whole; false otherwise (a cut or marked path would name
// another folder).
bool takeBaseFolder(const std::string& value);
