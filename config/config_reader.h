// Reads the configuration file into the tables of config_model.h.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"

enum : int {
  kConfigLineLimit = 517,                  // UTF-16 units a line may hold
  kConfigLineSize = 520 * kBytesPerUnit,   // the buffer a line is read into
};

// The sections' markers, found anywhere in the text.
extern const char kSystemMarker[], kDirMarker[], kGroupMarker[], kExecMarker[];
// "%end": the line that ends a section.
bool isSectionEnd(const char* line);

// 1 when the tables are filled; 0 when the file cannot be opened (the error
// box has been shown and the run must end).
int loadConfiguration(PlatWindow hostWindow);

// One line from offset, CR and TAB removed, into line[kConfigLineSize];
// *units (when asked) gets its length in UTF-16 units. A line longer than
// kConfigLineLimit units is never read: line then holds only what is shown
// of it. Returns the bytes the line takes with its line feed, or 0 when the
// text ends before a line feed (such a line is never read).
size_t readConfigLine(const std::string& text, size_t offset, char* line,
                      size_t* units = nullptr);

// A line holding text the file's encoding could not give or a character the
// code page cannot hold.
bool lineUnusable(const char* line);

// Fills UserMacros from the lines after the @param line at offset; returns
// the bytes of the @param line and the macro lines taken.
size_t readUserMacros(const std::string& text, size_t offset);

// What became of each line, for the configuration checker; the program
// itself never listens and stays silent about dropped lines.
enum LineOutcome { kLineTaken, kLineSkipped, kLineDropped, kLineWarned };
struct LineReport {
  const char* section;  // "system", "dir", "group", "exec"
  int lineNumber;       // 1-based
  const char* line;     // as interpreted, leading spaces removed
  LineOutcome outcome;
  const char* what;     // what the line became, or why it was dropped
};
typedef void (*LineObserver)(const LineReport& report);
extern LineObserver configLineObserver;
