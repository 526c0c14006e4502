#pragma once

#include <string>

// Reads a menu position value ("mouse", "mous2", "center", "active", or
// "x,y" with MAX for the screen's extent) from text + offset, which must end
// with a line end. Always sets Config.menuPosition. Returns why part of the
// value meant nothing and what was taken instead, "" when it all meant
// something: the reader reports it, the options stay silent.
std::string parseMenuPosition(const char* text, int offset);
