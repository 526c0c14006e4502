#include "launch/command_items.h"

#include <cstring>

#include "text/ansi_text.h"

bool unsafeForProgram(const std::string& name, ProgramKind kind) {
  return kind == kProgramThroughCmd && name.find('%') != std::string::npos;
}

std::string commandLineItem(const std::string& name, ItemQuoting quoting, ProgramKind kind) {
  // Character by character: a trail byte of a double-byte character may be
  // ^ or a backslash, and is neither.
  bool special = false, blank = false;
  size_t trailingSlashes = 0;
  for (const char* p = name.c_str(); *p; p += nextCharLength(p)) {
    bool single = nextCharLength(p) == 1;
    special = special || (single && strchr("&^(),;=%!", *p) != nullptr);
    blank = blank || *p == ' ';
    trailingSlashes = single && *p == '\\' ? trailingSlashes + 1 : 0;
  }
  bool quoted = quoting == kQuoteAlways || special ||
                (quoting == kQuoteWhenSpecialOrBlank && blank);
  if (!quoted) return name;
  std::string item = "\"" + name;
  if (quoting != kQuoteAlways && kind == kProgramDirect) item.append(trailingSlashes, '\\');
  return item + "\"";
}
