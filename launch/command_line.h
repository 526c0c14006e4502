// Starting the chosen [exec] program with the sources in its parameters.
#pragma once

// Starts RunState.execProgram with the whole source list.
void launchWithSources(const char* filledTemplate);
// Starts it with the entries of the first source folder instead.
void launchWithFolderContents(const char* filledTemplate);
