// Paths formed in the program's own folder.
#pragma once

// The program folder followed by name, into out[kPathSize]. A path that
// cannot be formed whole (the program folder did not fit its field, the name
// does not fit behind it, or either holds a name the code page cannot hold)
// leaves out empty: a cut, relative or best-fit path names some other file.
bool pathInProgramFolder(char* out, const char* name);
