#include "config/config_lines.h"

#include <algorithm>
#include <cstring>

#include "config/config_model.h"
#include "config/path_macros.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

LineObserver configLineObserver = nullptr;

const char kSystemMarker[] = "[system]";
const char kDirMarker[] = "[dir]";
const char kGroupMarker[] = "[group]";
const char kExecMarker[] = "[exec]";

bool isSectionEnd(const char* line) { return beginsWithKey(line, "%end"); }

size_t readConfigLine(const std::string& text, size_t offset, char* line, size_t* units) {
  size_t lineFeed = text.find('\n', offset);
  size_t stop = lineFeed == std::string::npos ? text.size() : lineFeed;
  size_t kept = 0;
  bool overflow = false;
  for (size_t pos = offset; pos < stop; ++pos) {
    char c = text[pos];
    if (c == '\r' || c == '\t') continue;
    if (kept < kConfigLineSize - 1) line[kept++] = c;
    else overflow = true;
  }
  line[kept] = '\0';
  // Counted only when the bytes could be too many: a byte is at most a unit.
  size_t count = kept;
  if (overflow) count = unitCount(text.c_str() + offset, stop - offset);  // CR and TAB count too
  else if (kept > kConfigLineLimit) count = unitCount(line, kept);
  if (units) *units = count;
  if (count > kConfigLineLimit) {
    std::string shown = line;  // what of the line is shown: a line is never cut to be read
    cutText(&shown, kConfigLineLimit);
    memcpy(line, shown.c_str(), shown.size() + 1);
  }
  return lineFeed == std::string::npos ? 0 : lineFeed - offset + 1;
}

bool lineUnusable(const char* line) {
  return strchr(line, kUnreadableLine) != nullptr;
}

SectionReader::SectionReader(const std::string& text, const char* marker,
                             const char* section)
    : text_(text), section_(section), offset_(0), empty_(true) {
  buffer_[0] = '\0';
  const char* hit = findTextI(text.c_str(), marker);
  if (!hit) return;
  size_t at = static_cast<size_t>(hit - text.c_str());
  size_t lineStart = at == 0 ? 0 : text.rfind('\n', at - 1);
  lineStart = lineStart == std::string::npos || at == 0 ? 0 : lineStart + 1;
  if (text.find_first_not_of(" \t", lineStart) != at) {
    lineOffset_ = lineStart;
    readConfigLine(text, lineStart, buffer_);
    report(kLineWarned, "the section's marker inside another line: the section starts there");
  }
  size_t lineFeed = text.find('\n', at);
  if (lineFeed == std::string::npos) return;
  offset_ = lineFeed + 1;
  empty_ = false;
}

bool SectionReader::next() {
  while (!empty_) {
    size_t units = 0;
    size_t bytes = readConfigLine(text_, offset_, buffer_, &units);
    if (bytes == 0) {
      // Every section reader stops at its %end: reaching the end is a
      // section that never ended.
      report(kLineWarned, "no %end: the section runs on to the end of the file");
      empty_ = true;
      return false;
    }
    lineOffset_ = offset_;
    offset_ += bytes;
    trimmed_ = buffer_;
    while (*trimmed_ == ' ') ++trimmed_;
    // Comments and %end pass whatever they hold; [exec] reads its ";" lines
    // as programs, so they are expanded like any other line.
    bool passes = trimmed_[0] == ';' || isSectionEnd(trimmed_);
    // Any name on it would be a fragment: it names nothing. A character
    // the code page cannot hold is no such thing: it travels marked.
    if (!passes && lineUnusable(trimmed_)) {
      report(kLineDropped, "not readable in the file's encoding");
      continue;
    }
    // Taken whole or not at all: a part of a line may name another folder.
    if (!passes && units > kConfigLineLimit) {
      report(kLineDropped, tooLongReason(units, "a line holds 517").c_str());
      continue;
    }
    expanded_ = expandedValue(trimmed_);
    return true;
  }
  return false;
}

int SectionReader::lineNumber() const {
  lineNumber_ += static_cast<int>(std::count(
      text_.begin() + countedTo_, text_.begin() + lineOffset_, '\n'));
  countedTo_ = lineOffset_;
  return lineNumber_;
}

void SectionReader::report(LineOutcome outcome, const char* what) const {
  if (!configLineObserver) return;
  lineNumber();
  configLineObserver({section_, lineNumber_, trimmed_, outcome, what});
}

std::string SectionReader::expandedAfter(size_t keyLength) const {
  return expandedValue(trimmed_ + keyLength);
}

bool SectionReader::atEnd() const {
  if (!isSectionEnd(trimmed_)) return false;
  report(kLineSkipped, "end of section");
  return true;
}

bool SectionReader::atComment() const {
  if (trimmed_[0] != ';') return false;
  report(kLineSkipped, "comment");
  return true;
}

void reportUnreadLastLine(const std::string& text) {
  size_t start = text.rfind('\n');
  start = start == std::string::npos ? 0 : start + 1;
  size_t first = text.find_first_not_of(" \t\r", start);
  if (!configLineObserver || first == std::string::npos) return;
  // A last line is never read without its line feed: worth a word only
  // when it would have meant something.
  std::string line = text.substr(first);
  if (line[0] == ';' || isSectionEnd(line.c_str())) return;
  int number = 1 + static_cast<int>(std::count(text.begin(), text.begin() + first, '\n'));
  configLineObserver({"", number, line.c_str(), kLineWarned,
                      "the last line has no line feed and is not read"});
}

bool splitEntry(const std::string& line, std::string* left,
                std::string* right) {
  size_t bar = line.find(" | ");
  if (bar == std::string::npos) {
    *left = line;
    return false;
  }
  *left = line.substr(0, bar);
  *right = line.substr(bar + 3);
  return true;
}

const char* droppedEntryReason(const char* line, const char* reason) {
  // No folder or program name holds "|": after a name, it is a caption's
  // separator without its blanks.
  const char* bar = strchr(line, '|');
  bool unspaced = bar && bar > line && !strstr(line, " | ");
  return unspaced ? "a caption is set off by \" | \", a blank on each side" : reason;
}

std::string tooLongReason(size_t units, const char* limit) {
  return "too long (" + std::to_string(units) + " characters; " + limit + ")";
}

std::string pathTooLongReason(const std::string& path) {
  return tooLongReason(unitCount(path), "Windows allows 259");
}

std::string expandedValue(const char* value) {
  return Config.expandMacros ? expandPathMacros(value) : std::string(value);
}

