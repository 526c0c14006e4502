#include "config/config_reader.h"

#include <cstring>

#include "config/config_model.h"
#include "config/config_sections.h"
#include "config/menu_position.h"
#include "config/path_macros.h"
#include "config/program_folder.h"
#include "config/program_locator.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

LineObserver configLineObserver = nullptr;

const char kSystemMarker[] = "[system]";
const char kDirMarker[] = "[dir]";
const char kGroupMarker[] = "[group]";
const char kExecMarker[] = "[exec]";

bool isSectionEnd(const char* line) { return beginsWithKey(line, "%end"); }

size_t readConfigLine(const std::string& text, size_t offset, char* line) {
  size_t kept = 0;
  for (size_t pos = offset; pos < text.size(); ++pos) {
    char c = text[pos];
    if (c == '\n') {
      line[kept] = '\0';
      return pos - offset + 1;
    }
    if (c == '\r' || c == '\t') continue;
    if (kept < kConfigLineLimit) line[kept++] = c;
  }
  line[kept] = '\0';
  return 0;
}

bool lineUnusable(const char* line) {
  return strchr(line, kUnreadableLine) != nullptr;
}

size_t readUserMacros(const std::string& text, size_t offset) {
  char line[kConfigLineSize];
  UserMacros.count = 0;
  size_t taken = readConfigLine(text, offset, line);
  if (taken == 0) return 0;
  while (UserMacros.count < kMaxUserMacros) {
    size_t bytes = readConfigLine(text, offset + taken, line);
    if (bytes == 0) break;
    const char* bar = strstr(line, " | ");
    if (!bar || lineUnusable(line)) break;
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
  if (locateProgram(value.c_str(), 1, &path) &&
      !plat::pathIsDirectory(path.c_str()) && path.size() < kPathSize) {
    copyText(field, kPathSize, path.c_str());
    if (filerLink) *filerLink = true;
    reader.report(kLineTaken, what);
  } else {
    reader.report(kLineDropped, "program not found");
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
  reader.report(kLineTaken, "search path");
  Config.searchPathSet = 1;
}

void readBaseFolderLine(const std::string& value, SectionReader& reader) {
  if (plat::pathIsDirectory(RunState.baseFolder))
    reader.report(kLineSkipped, "start folder already set");
  else if (takeBaseFolder(value))
    reader.report(kLineTaken, "browser start folder");
  else
    reader.report(kLineDropped, "folder does not exist");
}

// A number of folders from 1 up, at most kMaxRecent; anything but digits
// (or 0) keeps no list.
int recentCapacityOf(const char* value) {
  int capacity = 0;
  for (const char* p = value; *p; ++p) {
    if (*p < '0' || *p > '9') return 0;
    capacity = capacity * 10 + (*p - '0');
    if (capacity > kMaxRecent) capacity = kMaxRecent;
  }
  return capacity;
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
    } else if (equalsI(line, "@check=0")) {
      if (RunState.confirm == kNotSet) RunState.confirm = kConfirmOff;
      reader.report(kLineTaken, "confirmations off");
    } else if (beginsWithKey(line, "@param")) {
      Config.expandMacros = 1;
      size_t taken = readUserMacros(text, reader.lineOffset());
      reader.report(kLineTaken, "macros on");
      if (taken > 0) reader.skipTo(reader.lineOffset() + taken);
    } else if (beginsWithKey(line, "@path=")) {
      if (line[6]) takeSearchPath(line + 6, reader);
      else reader.report(kLineDropped, "empty value");
    } else if (beginsWithKey(line, "@menu=")) {
      if (Config.menuPosition == kNotSet && strlen(line) > 8) {
        std::string value = std::string(line) + "\r\n";
        parseMenuPosition(value.c_str(), 6);
        reader.report(kLineTaken, "menu position");
      } else {
        reader.report(kLineSkipped, "menu position already set or too short");
      }
    } else if (beginsWithKey(line, "@filer=")) {
      takeProgram(reader.expandedAfter(7), Config.filerPath, "file manager", reader,
                  &filerLink);
    } else if (beginsWithKey(line, "@editor=")) {
      takeProgram(reader.expandedAfter(8), Config.editorPath, "editor", reader, nullptr);
    } else if (beginsWithKey(line, "@base=")) {
      readBaseFolderLine(reader.expandedAfter(6), reader);
    } else if (beginsWithKey(line, "@recent=")) {
      Config.recentCapacity = recentCapacityOf(line + 8);
      reader.report(kLineTaken,
                    Config.recentCapacity ? "recent destinations" : "recent destinations off");
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
  chooseRunProgram();
  return 1;
}
