#include "config/config_reader.h"

#include <algorithm>
#include <cstring>

#include "config/config_model.h"
#include "config/config_sections.h"
#include "config/menu_position.h"
#include "config/path_macros.h"
#include "config/program_folder.h"
#include "config/program_locator.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

size_t readUserMacros(const std::string& text, size_t offset) {
  char line[kConfigLineSize];
  UserMacros.count = 0;
  size_t taken = readConfigLine(text, offset, line);
  if (taken == 0) return 0;
  while (UserMacros.count < kMaxUserMacros) {
    size_t units = 0;
    size_t bytes = readConfigLine(text, offset + taken, line, &units);
    if (bytes == 0) break;
    const char* bar = strstr(line, " | ");
    if (!bar || lineUnusable(line) || units > kConfigLineLimit) break;
    int i = UserMacros.count++;
    copyTextN(UserMacros.name[i], kMacroNameSize, line,
              static_cast<size_t>(bar - line));
    copyText(UserMacros.value[i], kPathSize, bar + 3);
    taken += bytes;
  }
  return taken;
}

namespace {

// Picks the configuration file and reads it; false when it cannot be opened,
// or when its path cannot be formed whole in the program folder.
bool readConfigurationFile(std::string* text) {
  if (plat::pathFileExists(RunState.configPath))
    return plat::readWholeFile(RunState.configPath, plat::kOpenExisting, text);
  char candidate[kPathSize];
  const char* names[] = {RunState.defaultConfigName, "Falvex.ini"};
  bool found = false;
  for (const char* name : names) {
    if (pathInProgramFolder(candidate, name) && plat::pathFileExists(candidate)) {
      found = true;
      break;
    }
  }
  if (!found && !pathInProgramFolder(candidate, RunState.defaultConfigName))
    return false;
  copyText(RunState.configPath, kPathSize, candidate);
  return plat::readWholeFile(RunState.configPath, plat::kOpenAlways, text);
}

void takeProgram(const std::string& value, char* field, const char* what,
                 SectionReader& reader, bool* filerLink) {
  std::string path;
  if (!fitsField(value, kPathSize)) {
    reader.report(kLineDropped, pathTooLongReason(value).c_str());
  } else if (locateProgram(value.c_str(), 1, &path) &&
      !plat::pathIsDirectory(path.c_str()) && fitsField(path, kPathSize)) {
    copyText(field, kPathSize, path.c_str());
    if (filerLink) *filerLink = true;
    reader.report(kLineTaken, what);
  } else {
    reader.report(kLineDropped, filerLink ? "program not found; folders open in the system's "
                                            "file manager"
                                          : "program not found; files open in the program the "
                                            "system gives them");
  }
}

void takeSearchPath(const char* value, SectionReader& reader) {
  std::string located;
  if (locateProgram(value, 0, &located) &&
      !plat::pathIsDirectory(located.c_str())) {
    readSearchPathFile(located.c_str());
    reader.report(kLineTaken, "search path file");
    return;
  }
  // A configuration line (kConfigLineLimit) always fits; only a search
  // path file can be longer.
  copyText(Config.searchPath, kSearchPathSize, value);
  Config.searchPathSet = 1;
  // Each folder of the list, as the locator will look in it.
  std::string missing, list = value;
  for (size_t start = 0, end; start <= list.size(); start = end + 1) {
    end = std::min(list.find(';', start), list.size());  // ';' is no trail byte
    std::string folder = list.substr(start, end - start);
    if (!folder.empty() && !plat::pathIsDirectory(folder.c_str()))
      missing += (missing.empty() ? "" : ", ") + folder;
  }
  if (missing.empty()) reader.report(kLineTaken, "search path");
  else reader.report(kLineWarned, (missing + ": no such folder; programs are not looked for "
                                            "there").c_str());
}

void readBaseFolderLine(const std::string& value, SectionReader& reader) {
  if (plat::pathIsDirectory(RunState.baseFolder))
    reader.report(kLineSkipped, "start folder already set");
  else if (!fitsField(value, kPathSize))
    reader.report(kLineDropped, pathTooLongReason(value).c_str());
  else if (takeBaseFolder(value))
    reader.report(kLineTaken, "browser start folder");
  else
    reader.report(kLineDropped, "folder does not exist; the browser starts at the first "
                                "source's folder");
}

// A number of folders from 1 up, at most kMaxRecent; anything but digits
// (or 0) keeps no list. What the value meant goes to the checker.
int recentCapacityOf(const char* value, SectionReader& reader) {
  int capacity = 0;
  bool bounded = false;
  for (const char* p = value; *p; ++p) {
    if (*p < '0' || *p > '9') {
      reader.report(kLineDropped, (std::string(value) +
                                   ": not a number of folders; no recent list is kept").c_str());
      return 0;
    }
    capacity = capacity * 10 + (*p - '0');
    if (capacity > kMaxRecent) {
      capacity = kMaxRecent;
      bounded = true;
    }
  }
  if (!value[0])
    reader.report(kLineDropped, "empty value; no recent list is kept");
  else if (bounded)
    reader.report(kLineWarned, (std::string(value) + ": more than 20; 20 are kept").c_str());
  else
    reader.report(kLineTaken, capacity ? "recent destinations" : "recent destinations off");
  return capacity;
}

// A line naming a known key whose value the reader cannot use: what the
// checker hears instead of "unknown key".
const char* const kKnownKeys[] = {"@mode", "@check", "@param", "@path", "@menu", "@filer",
                                  "@editor", "@base", "@recent"};

bool namesKnownKey(const char* line) {
  for (const char* key : kKnownKeys)
    if (beginsWithKey(line, key)) return true;
  return false;
}

void readMenuLine(const char* line, SectionReader& reader) {
  const char* value = line + 6;
  if (Config.menuPosition != kNotSet) {
    reader.report(kLineSkipped, "menu position already set");
  } else if (strlen(value) < 3) {
    reader.report(kLineDropped, (std::string(value) +
                                 ": fewer than 3 characters; the menu opens at the active window")
                                    .c_str());
  } else {
    std::string why = parseMenuPosition((std::string(line) + "\r\n").c_str(), 6);
    reader.report(why.empty() ? kLineTaken : kLineDropped,
                  why.empty() ? "menu position" : why.c_str());
  }
}

void readSystemSection(const std::string& text) {
  SectionReader reader(text, kSystemMarker, "system");
  bool filerLink = false;
  while (reader.next()) {
    const char* line = reader.line();
    if (reader.atComment()) continue;
    if (takeParameterLine(line, &filerLink, Config.filerPath, Config.filerParams, reader,
                          "file manager parameters"))
      continue;
    if (reader.atEnd()) break;
    if (beginsWithKey(line, "@mode=move")) {
      if (RunState.transferMode == kNotSet) RunState.transferMode = kTransferMove;
      reader.report(kLineTaken, "move mode");
    } else if (beginsWithKey(line, "@mode=")) {
      reader.report(kLineDropped,
                    (std::string(line + 6) + ": only \"move\" means something; "
                                              "the mode stays copy unless asked").c_str());
    } else if (equalsI(line, "@check=0")) {
      if (RunState.confirm == kNotSet) RunState.confirm = kConfirmOff;
      reader.report(kLineTaken, "confirmations off");
    } else if (beginsWithKey(line, "@check=")) {
      reader.report(kLineDropped,
                    (std::string(line + 7) + ": only \"0\" alone means something; "
                                              "the confirmations stay on").c_str());
    } else if (beginsWithKey(line, "@param")) {
      Config.expandMacros = 1;
      size_t taken = readUserMacros(text, reader.lineOffset());
      reader.report(kLineTaken, "macros on");
      if (taken > 0) reader.skipTo(reader.lineOffset() + taken);
    } else if (beginsWithKey(line, "@path=")) {
      if (line[6]) takeSearchPath(line + 6, reader);
      else reader.report(kLineDropped, "empty value; programs are looked for as before");
    } else if (beginsWithKey(line, "@menu=")) {
      readMenuLine(line, reader);
    } else if (beginsWithKey(line, "@filer=")) {
      takeProgram(reader.expandedAfter(7), Config.filerPath, "file manager", reader,
                  &filerLink);
    } else if (beginsWithKey(line, "@editor=")) {
      takeProgram(reader.expandedAfter(8), Config.editorPath, "editor", reader, nullptr);
    } else if (beginsWithKey(line, "@base=")) {
      readBaseFolderLine(reader.expandedAfter(6), reader);
    } else if (beginsWithKey(line, "@recent=")) {
      Config.recentCapacity = recentCapacityOf(line + 8, reader);
    } else if (namesKnownKey(line)) {
      reader.report(kLineDropped, "a known key without its \"=\" and value: not read");
    } else {
      reader.report(kLineDropped, "unknown key");
    }
  }
  if (RunState.confirm == kNotSet) RunState.confirm = kConfirmOn;
  if (Config.menuPosition == kNotSet) Config.menuPosition = kMenuAtActiveWindow;
  if (RunState.transferMode == kNotSet) RunState.transferMode = kTransferCopy;
}

}  // namespace

int loadConfiguration(PlatWindow hostWindow) {
  std::string bytes;
  if (!readConfigurationFile(&bytes)) {
    plat::setForegroundWindow(hostWindow);
    plat::messageBox(hostWindow, kTextConfigError, kTextErrorTitle);
    return 0;
  }
  std::string text = ansiFromFileBytes(bytes);
  Config.expandMacros = 0;
  Config.searchPathSet = 0;
  Config.filerPath[0] = Config.editorPath[0] = Config.filerParams[0] = '\0';
  Config.recentCapacity = 0;
  readSystemSection(text);
  readDirSection(text);
  readGroupSection(text);
  readExecSection(text);
  reportUnreadLastLine(text);
  chooseRunProgram();
  return 1;
}
