// falvex-check: reads a configuration with Falvex's own reader and prints
// what each line became, and why a line was dropped. Exit code 0 when
// nothing was dropped, 1 otherwise, 2 when the file cannot be read.
#include "tools/falvex_check.h"

#include <cstdio>
#include <cstring>
#include <string>

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

int problems = 0;

// A line as written: a character the code page cannot hold as U+XXXX.
std::string printable(const char* line) {
  std::string out;
  for (const char* p = line; *p; ++p) {
    if (*p == kUnheldMark && strnlen(p, 5) == 5) {
      out += "<U+" + std::string(p + 1, 4) + ">";
      p += 4;
    } else if (*p != kUnreadableLine) {
      out += *p;
    }
  }
  return out;
}

void printLine(const LineReport& r) {
  const char* outcome = r.outcome == kLineTaken     ? "ok     "
                        : r.outcome == kLineSkipped ? "skipped"
                                                    : "DROPPED";
  if (r.outcome == kLineDropped) ++problems;
  printf("%-6s %4d  %s  %-28s %s\n", r.section, r.lineNumber, outcome, r.what,
         printable(r.line).c_str());
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
      printf("%-6s        PROBLEM  marker found inside another line, the section starts there\n", marker);
      ++problems;
    }
    size_t lineEnd = text.find('\n', at);
    bool ended = false;
    for (size_t pos = lineEnd; pos != std::string::npos && !ended; pos = text.find('\n', pos + 1)) {
      size_t begin = text.find_first_not_of(" \t\r", pos + 1);
      if (begin != std::string::npos && isSectionEnd(text.c_str() + begin)) ended = true;
    }
    if (!ended) {
      printf("%-6s        PROBLEM  no %%end: the section runs on to the end of the file\n", marker);
      ++problems;
    }
  }
  if (meaningfulUnreadLast(text)) {
    printf("               PROBLEM  the last line has no line feed and is not read\n");
    ++problems;
  }
}

// Where the recent destinations are kept, whether that file can be written,
// and what it holds now.
void printRecentList() {
  std::string path = recentListPath();
  bool writable = !path.empty() && plat::fileWritable(path.c_str());
  printf("recent destinations: up to %d, kept in %s\n", Config.recentCapacity, path.c_str());
  if (!writable) {
    printf("               PROBLEM  the list file cannot be written: it is not updated\n");
    ++problems;
  }
  std::string bytes;
  if (!plat::readWholeFile(path.c_str(), plat::kOpenExisting, &bytes)) return;
  for (const std::string& folder : recentFoldersOf(bytes))
    printf("recent        %s\n", printable(folder.c_str()).c_str());
}

// The first argument, quotes dropped; "Falvex.ini" when there is none.
std::string fileArgument(const char* arguments) {
  std::string file;
  if (!nextArgument(&arguments, &file) || file.empty()) return "Falvex.ini";
  return file;
}

}  // namespace

int runFalvexCheck(const char* arguments) {
  std::string name = fileArgument(arguments);
  const char* file = name.c_str();
  char full[kPathSize] = "";
  std::string bytes;
  unsigned length = plat::fullPathName(file, full, sizeof full);
  // A folder or a locked file ends here: the reader would show a box.
  if (length == 0 || length >= sizeof full || plat::pathIsDirectory(full) ||
      !plat::readWholeFile(full, plat::kOpenExisting, &bytes)) {
    fprintf(stderr, "falvex-check: cannot open %s\n", file);
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
  printf("%s\nencoding: %s\n", full, encodingName(encoding));
  configLineObserver = printLine;
  if (!loadConfiguration(nullptr)) {
    fprintf(stderr, "falvex-check: cannot open %s\n", full);
    return 2;
  }
  checkMarkers(text);
  if (Config.recentCapacity > 0) printRecentList();
  printf("%d folder entries, %d groups, %d programs, %d macros; %d problem(s)\n",
         DirEntries.count, Groups.count, ExecEntries.count, UserMacros.count, problems);
  return problems ? 1 : 0;
}
