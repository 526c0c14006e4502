// The configuration's lines as every section reads them: one line taken
// whole or not at all, a section walked line by line, and what became of
// each line, reported to whoever listens (falvex-check). The section
// readers share this module and never call back into each other.
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

class SectionReader {
 public:
  // Finds the first occurrence of marker anywhere in the text and starts
  // behind the line that holds it; empty when there is none.
  SectionReader(const std::string& text, const char* marker,
                const char* section);
  // The next complete line, leading spaces removed; false at the end.
  bool next();
  const char* line() const { return trimmed_; }
  // The line with its macros expanded (when macros are on), and the value
  // behind a key of that many bytes, expanded on its own: a user macro may
  // be named like a key, so the whole line's expansion may not hold it.
  const std::string& expanded() const { return expanded_; }
  std::string expandedAfter(size_t keyLength) const;
  size_t lineOffset() const { return lineOffset_; }
  // Continues behind bytes taken by a nested reader (the macro block).
  void skipTo(size_t offset) { offset_ = offset; }
  void report(LineOutcome outcome, const char* what) const;
  // The current line's number, 1-based.
  int lineNumber() const;
  // "%end" and ";" lines, reported as they are recognised.
  bool atEnd() const;
  bool atComment() const;

 private:
  const std::string& text_;
  const char* section_;
  size_t offset_;
  size_t lineOffset_ = 0;
  // Line numbers are counted on as lines are reported, never from the top.
  mutable size_t countedTo_ = 0;
  mutable int lineNumber_ = 1;
  bool empty_;
  char buffer_[kConfigLineSize];
  const char* trimmed_ = buffer_;
  std::string expanded_;
};

// Tells the checker of a last line that means something but has no line
// feed, which no section reads.
void reportUnreadLastLine(const std::string& text);
// Splits an entry line at its first " | "; false when it has none.
bool splitEntry(const std::string& line, std::string* left, std::string* right);
// Why a folder or program line was dropped: the reason given, unless it
// holds a "|" without the blanks of a caption's separator.
const char* droppedEntryReason(const char* line, const char* reason);
// "too long (N characters; LIMIT)": a line or a name refused whole.
std::string tooLongReason(size_t units, const char* limit);
// The same for a folder or a program longer than a path: "Windows allows 259".
std::string pathTooLongReason(const std::string& path);
// Expands a value when macros are on, cut at the expansion limit.
std::string expandedValue(const char* value);

