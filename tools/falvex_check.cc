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

TextEncoding fileEncoding = kEncodingAnsi;

// A line as the file holds it, without the reader's own marker of
// unreadable input. A byte the code page cannot read shows as <XX>, so it
// never swallows the report's line break; in an ANSI file a mark's byte is
// the file's own byte, never a character, and shows as <01>.
std::string printable(const char* line) {
  std::string out;
  for (const char* p = line; *p;) {
    size_t length = nextCharLength(p);
    bool mark = *p == kUnheldMark;
    if (*p == kUnreadableLine) {
      length = 1;
    } else if (mark ? fileEncoding != kEncodingAnsi : plat::ansiTextReadable(p, length)) {
      out.append(p, length);
    } else {
      char shown[8];
      snprintf(shown, sizeof shown, "<%02X>", static_cast<unsigned char>(*p));
      out += shown;
      length = 1;
    }
    p += length;
  }
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
  ansiFromFileBytes(bytes, &fileEncoding);
  say(false, "%s\nencoding: %s\n", full, encodingName(fileEncoding));
  configLineObserver = keepLine;
  if (!loadConfiguration(nullptr)) {
    say(true, "falvex-check: cannot open %s\n", full);
    return 2;
  }
  printLines();
  if (Config.recentCapacity > 0) printRecentList();
  say(false, "%d folder entries, %d groups, %d programs, %d macros; %d problem(s)\n",
         DirEntries.count, Groups.count, ExecEntries.count, UserMacros.count, problems);
  return problems ? 1 : 0;
}
