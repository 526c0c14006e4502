// What a Windows file name may not be: the one rule, whatever asks (a
// source, a live subfolder, a new folder's name, a shortcut's name); each
// caller says the answer in its own words.
#pragma once

#include <string>

enum NameProblem {
  kNameFine,
  kNameEmpty,          // nothing but blanks
  kNameBadCharacter,   // \ / : * ? " < > | or a control character, marked or not
  kNameBadEnd,         // a trailing dot or blank, which Windows paths drop
  kNameDevice,         // CON, PRN, AUX, NUL, COM1-9, LPT1-9, CONIN$, CONOUT$
};

// Why name, one component of a path, is no Windows file name as written.
// "." and ".." are folders, not names ending in a dot.
NameProblem windowsNameProblem(const std::string& name);
// The last component of a path names a device, with or without an
// extension: in any folder it opens the device, not a file.
bool isDeviceName(const char* path);
// The last component ends in a dot or a blank: the path would reach
// another file ("x." is "x").
bool pathRulesChangeName(const char* path);
