// Internal to the configuration reader: walking a section's lines.
#pragma once

#include <string>

#include "config/config_reader.h"

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
// The ">" line right after an accepted program line holds its parameters:
// true when line is one (stored in field[kPathSize] and reported, with a
// warning when the program is started through cmd.exe and a placeholder
// stands outside quotes). Any line ends the program's claim.
bool takeParameterLine(const std::string& line, bool* afterProgram, const char* program,
                       char* field, const SectionReader& reader, const char* what);
// "too long (N characters; LIMIT)": a line or a name refused whole.
extern const char kWindowsPathLimit[];  // "Windows allows 259"
std::string tooLongReason(size_t units, const char* limit);
// Expands a value when macros are on, cut at the expansion limit.
std::string expandedValue(const char* value);

void readDirSection(const std::string& text);
void readGroupSection(const std::string& text);
void readExecSection(const std::string& text);
void chooseRunProgram();
