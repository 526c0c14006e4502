#include "config/config_sections.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "config/config_model.h"
#include "config/path_macros.h"
#include "config/program_locator.h"
#include "state/left_out_names.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

namespace {

// A placeholder outside quotes puts a name with blanks into a batch
// program's command line as several arguments (cmd.exe quotes nothing
// itself); the warning, or null.
const char* bareFormWarning(const char* program, const std::string& params) {
  if (programKindOf(program) != kProgramThroughCmd) return nullptr;
  for (const char* form : {"%M", "%-M", "%P", "%-P"})
    for (size_t at = findTextI(params, form, 0); at != std::string::npos;
         at = findTextI(params, form, at + 1))
      if (!insideQuotes(params, at))
        return strchr(form, 'M') ? "names with blanks arrive split; use \"%M\""
                                 : "names with blanks arrive split; use \"%P\"";
  return nullptr;
}

}  // namespace

bool takeParameterLine(const std::string& line, bool* afterProgram, const char* program,
                       char* field, const SectionReader& reader, const char* what) {
  bool parameters = *afterProgram && line[0] == '>';
  *afterProgram = false;
  if (!parameters) return false;
  copyText(field, kPathSize, line.c_str() + 1);
  const char* warning = bareFormWarning(program, field);
  reader.report(warning ? kLineWarned : kLineTaken, warning ? warning : what);
  return true;
}

namespace {

// A folder as the tables store it; false, with *problem saying why, when
// it names no existing folder or is longer than Windows allows (a cut path
// would name another folder).
bool takeFolder(const std::string& text, char* folder, std::string* problem) {
  if (!text.empty() && !fitsField(text, kPathSize)) {
    *problem = pathTooLongReason(text);
    return false;
  }
  copyText(folder, kPathSize, text.c_str());
  addBackslash(folder, kPathSize);
  if (text.empty() || !plat::pathIsDirectory(folder)) {
    *problem = "folder does not exist";
    return false;
  }
  normaliseFolder(folder, kPathSize);  // "\" (the current drive's root) stays
  return true;
}

int appendDirEntry(int kind, int level) {
  int i = DirEntries.count++;
  DirEntries.kind[i] = kind;
  DirEntries.level[i] = level;
  DirEntries.folder[i][0] = DirEntries.caption[i][0] = '\0';
  return i;
}

// A folder line's kind: a live folder ends in "\*" (the star taken off),
// any other line names the folder itself. -1 when it names no folder, and
// *problem says why.
int readFolderLine(const std::string& line, int level, std::string* problem) {
  std::string folderText, caption;
  bool hasCaption = splitEntry(line, &folderText, &caption);
  int kind = kDirFolder;
  if (folderText.size() > 1 && folderText.back() == '*') {
    std::string withoutStar = folderText.substr(0, folderText.size() - 1);
    // Double-byte safe: a trail byte 0x5C before the star is no backslash.
    if (endsWithBackslash(withoutStar.c_str())) {
      folderText = withoutStar;
      kind = kDirLive;
    }
  }
  char folder[kPathSize];
  if (!takeFolder(folderText, folder, problem)) return -1;
  int i = appendDirEntry(kind, level);
  copyText(DirEntries.folder[i], kPathSize, folder);
  if (hasCaption) {
    copyText(DirEntries.caption[i], kPathSize, caption.c_str());
  } else {
    std::string name = splitPath(folder).name;
    if (name.empty()) {
      name = folder;
      name += '\\';
    }
    copyText(DirEntries.caption[i], kPathSize, name.c_str());
  }
  return kind;
}

}  // namespace

void readDirSection(const std::string& text) {
  SectionReader reader(text, kDirMarker, "dir");
  DirEntries.count = 0;
  int level = 0;
  std::vector<int> openers;  // the line of each submenu still open
  bool folderSinceOpener = false;
  std::string problem;
  while (reader.next()) {
    const char* line = reader.line();
    if (reader.atEnd()) break;
    if (reader.atComment()) continue;
    if (DirEntries.count >= kMaxDirEntries) {
      reader.report(kLineDropped, "table full (1000 entries)");
      continue;
    }
    if ((line[0] == '+' || line[0] == '-') && folderSinceOpener) {
      appendDirEntry(line[0] == '+' ? kDirSeparator : kDirColumn, level);
      reader.report(kLineTaken, line[0] == '+' ? "separator" : "new column");
    } else if (line[0] == '{' && line[1]) {
      int i = appendDirEntry(kDirSubmenu, level++);
      copyText(DirEntries.caption[i], kPathSize, line + 1);
      folderSinceOpener = false;
      openers.push_back(reader.lineNumber());
      reader.report(kLineTaken, "submenu");
    } else if (line[0] == '}' && level > 0) {
      appendDirEntry(kDirSubmenuEnd, level--);
      openers.pop_back();
      reader.report(kLineTaken, "end of submenu");
    } else if (int kind = readFolderLine(reader.expanded(), level, &problem); kind >= 0) {
      folderSinceOpener = true;
      reader.report(kLineTaken, kind == kDirLive ? "live folder" : "folder");
    } else {
      reader.report(kLineDropped, droppedEntryReason(line, problem.c_str()));
    }
  }
  // The entries after it went into the submenu: worth a word, as the menu
  // does not show what the user meant.
  for (int opener : openers) {
    std::string why = "the submenu begun at line " + std::to_string(opener) + " is never closed";
    reader.report(kLineDropped, why.c_str());
  }
}

void readGroupSection(const std::string& text) {
  SectionReader reader(text, kGroupMarker, "group");
  Groups.count = Groups.direct = Groups.columnBreak = 0;
  bool open = false;
  while (reader.next()) {
    const char* line = reader.line();
    if (reader.atEnd()) break;
    if (reader.atComment()) continue;
    if (Groups.count >= kMaxGroups) {
      reader.report(kLineDropped, "table full (10 groups)");
      continue;
    }
    int g = Groups.count;
    if (beginsWithKey(line, "@direct")) {
      Groups.direct = 1;
      reader.report(kLineTaken, "groups in the main menu");
    } else if (equalsI(line, "@break")) {
      Groups.columnBreak = 1;
      reader.report(kLineTaken, "groups in a new column");
    } else if (line[0] == '{' && line[1]) {
      copyText(Groups.caption[g], kPathSize, line + 1);
      char* plain = Groups.plainName[g];
      size_t n = 0;
      for (const char* p = Groups.caption[g]; *p; ++p)
        if (*p != '&') plain[n++] = *p;
      plain[n] = '\0';
      Groups.memberCount[g] = Groups.missingCount[g] = 0;
      open = true;
      reader.report(kLineTaken, "group");
    } else if (line[0] == '}') {
      if (!open) {  // a closer without opener counts an empty group
        Groups.caption[g][0] = Groups.plainName[g][0] = '\0';
        Groups.memberCount[g] = Groups.missingCount[g] = 0;
      }
      Groups.count++;
      open = false;
      reader.report(kLineTaken, "end of group");
    } else if (!open) {
      reader.report(kLineDropped, "outside any group");
    } else {
      char folder[kPathSize];
      std::string problem;
      if (!takeFolder(reader.expanded(), folder, &problem)) {
        reader.report(kLineDropped, problem.c_str());
        if (Groups.missingCount[g] < kMaxMembers)
          copyText(Groups.missing[g][Groups.missingCount[g]++], kPathSize,
                   reader.expanded().c_str());
      } else if (Groups.memberCount[g] >= kMaxMembers) {
        reader.report(kLineDropped, "group full (10 members)");
      } else {
        copyText(Groups.member[g][Groups.memberCount[g]++], kPathSize, folder);
        reader.report(kLineTaken, "member");
      }
    }
  }
}
