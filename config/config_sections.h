// Internal to the configuration reader: the [dir], [group] and [exec]
// sections, and the parameter line a program line may have.
#pragma once

#include <string>

#include "config/config_lines.h"

// The ">" line right after an accepted program line holds its parameters:
// true when line is one (stored in field[kPathSize] and reported, with a
// warning when the program is started through cmd.exe and a placeholder
// stands outside quotes). Any line ends the program's claim.
bool takeParameterLine(const std::string& line, bool* afterProgram, const char* program,
                       char* field, const SectionReader& reader, const char* what);
void readDirSection(const std::string& text);
void readGroupSection(const std::string& text);
void readExecSection(const std::string& text);
void chooseRunProgram();
