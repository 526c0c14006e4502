#pragma once

// Reads a menu position value ("mouse", "mous2", "center", "active", or
// "x,y" with MAX for the screen's extent) from text + offset, which must end
// with a line end. Always sets Config.menuPosition.
void parseMenuPosition(const char* text, int offset);
