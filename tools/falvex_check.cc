// falvex-check: reads a configuration with Falvex's own reader and prints
// what each line became, and why a line was dropped. Exit code 0 when
// nothing was dropped, 1 otherwise, 2 when the file cannot be read or none
// was named.
#include "tools/falvex_check.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/program_arguments.h"
#include "config/config_model.h"
#include "config/config_reader.h"
#include "config/recent_list.h"
#include "platform/platform.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

namespace {

const char kUsage[] =
    "Usage: falvex-check FILE\n"
    "Reads a Falvex configuration as Falvex does and prints the encoding it\n"
    "found, what each line became and why a line was dropped, then whether the\n"
    "recent list can be written.\n"
    "Exit code: 0 no problems, 1 problems found, 2 the file cannot be read.\n"
    "Example: falvex-check Falvex.ini\n";

int problems = 0;

// Output through the platform, which shows a name's marked characters as
// they are, whatever the console's code page.
__attribute__((format(printf, 2, 3))) void say(bool error, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  char small[512];
  int length = vsnprintf(small, sizeof small, format, arguments);
  va_end(arguments);
  std::string text(small);
  if (length >= static_cast<int>(sizeof small)) {
    text.assign(static_cast<size_t>(length) + 1, '\0');
    va_start(arguments, format);
    vsnprintf(&text[0], text.size(), format, arguments);
    va_end(arguments);
    text.pop_back();
  }
  plat::writeConsole(error, text);
}

// A line as written, without the reader's own marker of unreadable input.
std::string printable(const char* line) {
  std::string out = line;
  out.erase(std::remove(out.begin(), out.end(), kUnreadableLine), out.end());
  return out;
}

struct PrintedLine {
  std::string section, outcome, what, line;
  int lineNumber;
};
std::vector<PrintedLine> printedLines;

void keepLine(const LineReport& r) {
  const char* outcome = r.outcome == kLineTaken     ? "ok     "
                        : r.outcome == kLineSkipped ? "skipped"
                        : r.outcome == kLineWarned  ? "WARNING"
                                                    : "DROPPED";
  if (r.outcome == kLineDropped || r.outcome == kLineWarned) ++problems;
  printedLines.push_back({r.section, outcome, r.what, printable(r.line), r.lineNumber});
}

// The reasons' column as wide as the longest, so the lines stay aligned.
void printLines() {
  size_t width = 0;
  for (const PrintedLine& p : printedLines) width = std::max(width, p.what.size());
  for (const PrintedLine& p : printedLines)
    say(false, "%-6s %4d  %s  %-*s  %s\n", p.section.c_str(), p.lineNumber, p.outcome.c_str(),
           static_cast<int>(width), p.what.c_str(), p.line.c_str());
  printedLines.clear();
}

// A last line without a line feed is never read; worth a word only when it
// would have meant something.
bool meaningfulUnreadLast(const std::string& text) {
  size_t start = text.rfind('\n');
  start = start == std::string::npos ? 0 : start + 1;
  size_t first = text.find_first_not_of(" \t\r", start);
  if (first == std::string::npos) return false;
  const char* last = text.c_str() + first;
  return last[0] != ';' && !isSectionEnd(last);
}

// Markers the reader finds inside another line, and sections without %end.
void checkMarkers(const std::string& text) {
  const char* markers[] = {kSystemMarker, kDirMarker, kGroupMarker, kExecMarker};
  for (const char* marker : markers) {
    const char* hit = findTextI(text.c_str(), marker);
    if (!hit) continue;
    size_t at = static_cast<size_t>(hit - text.c_str());
    size_t lineStart = text.rfind('\n', at == 0 ? 0 : at - 1);
    lineStart = (at == 0 || lineStart == std::string::npos) ? 0 : lineStart + 1;
    if (at > 0 && lineStart != at && text.find_first_not_of(" \t", lineStart) != at) {
      say(false, "%-6s        PROBLEM  marker found inside another line, the section starts there\n", marker);
      ++problems;
    }
    size_t lineEnd = text.find('\n', at);
    bool ended = false;
    for (size_t pos = lineEnd; pos != std::string::npos && !ended; pos = text.find('\n', pos + 1)) {
      size_t begin = text.find_first_not_of(" \t\r", pos + 1);
      if (begin != std::string::npos && isSectionEnd(text.c_str() + begin)) ended = true;
    }
    if (!ended) {
      say(false, "%-6s        PROBLEM  no %%end: the section runs on to the end of the file\n", marker);
      ++problems;
    }
  }
  if (meaningfulUnreadLast(text)) {
    say(false, "               PROBLEM  the last line has no line feed and is not read\n");
    ++problems;
  }
}

// Where the recent destinations are kept, whether that file can be written,
// and what it holds now.
void printRecentList() {
  std::string path = recentListPath();
  bool writable = !path.empty() && plat::fileWritable(path.c_str());
  say(false, "recent destinations: up to %d, kept in %s\n", Config.recentCapacity, path.c_str());
  if (!writable) {
    say(false, "               PROBLEM  the list file cannot be written: it is not updated\n");
    ++problems;
  }
  std::string bytes;
  if (!plat::readWholeFile(path.c_str(), plat::kOpenExisting, &bytes)) return;
  for (const std::string& folder : recentFoldersOf(bytes))
    say(false, "recent        %s\n", printable(folder.c_str()).c_str());
}

}  // namespace

int runFalvexCheck(const char* arguments) {
  std::string name;
  bool named = nextArgument(&arguments, &name) && !name.empty();
  if (!named || name == "/?" || name == "-h" || name == "--help") {
    say(false, "%s", kUsage);
    return named ? 0 : 2;
  }
  const char* file = name.c_str();
  char full[kPathSize] = "";
  std::string bytes;
  unsigned length = plat::fullPathName(file, full, sizeof full);
  // A folder or a locked file ends here: the reader would show a box.
  if (length == 0 || length >= sizeof full || plat::pathIsDirectory(full) ||
      !plat::readWholeFile(full, plat::kOpenExisting, &bytes)) {
    say(true, "falvex-check: cannot open %s\n", file);
    return 2;
  }
  // The configuration sits beside the program, so its folder is %Falvex%.
  copyText(RunState.configPath, kPathSize, full);
  PathParts parts = splitPath(full);
  copyText(RunState.programFolder, kPathSize, (parts.drive + parts.folder).c_str());
  copyText(RunState.defaultConfigName, kPathSize, (parts.name + parts.ext).c_str());
  RunState.mouseButtons = 1;
  TextEncoding encoding;
  std::string text = ansiFromFileBytes(bytes, &encoding);
  say(false, "%s\nencoding: %s\n", full, encodingName(encoding));
  configLineObserver = keepLine;
  if (!loadConfiguration(nullptr)) {
    say(true, "falvex-check: cannot open %s\n", full);
    return 2;
  }
  printLines();
  checkMarkers(text);
  if (Config.recentCapacity > 0) printRecentList();
  say(false, "%d folder entries, %d groups, %d programs, %d macros; %d problem(s)\n",
         DirEntries.count, Groups.count, ExecEntries.count, UserMacros.count, problems);
  return problems ? 1 : 0;
}
