#include "config/program_locator.h"

#include <cstring>

#include "config/config_model.h"
#include "config/config_lines.h"
#include "platform/platform.h"
#include "state/left_out_names.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

namespace {

// A look-up's answer: 0, or the field's size or more (too long), is a failure.
bool usable(unsigned length) { return length > 0 && length < kPathSize; }

bool fullPathOf(const char* name, std::string* path) {
  if (!plat::pathFileExists(name)) return false;
  char buffer[kPathSize];
  buffer[0] = '\0';
  // Too long to hold: found all the same, under the name as written.
  if (usable(plat::fullPathName(name, buffer, sizeof buffer))) *path = buffer;
  return true;
}

bool search(const char* folders, const char* name, const char* nameExe,
            std::string* path) {
  char buffer[kPathSize];
  buffer[0] = '\0';
  if (usable(plat::searchPath(folders, name, buffer, sizeof buffer)) ||
      (nameExe && usable(plat::searchPath(folders, nameExe, buffer, sizeof buffer)))) {
    *path = buffer;
    return true;
  }
  return false;
}

}  // namespace

bool locateProgram(const char* name, int tryExe, std::string* path) {
  std::string withExe = std::string(name) + ".exe";
  const char* nameExe = tryExe ? withExe.c_str() : nullptr;
  *path = name;
  for (const char* candidate : {name, nameExe})
    if (candidate && fullPathOf(candidate, path)) return true;
  if (Config.searchPathSet && search(Config.searchPath, name, nameExe, path))
    return true;
  if (search(nullptr, name, nameExe, path)) return true;
  return false;
}

void readSearchPathFile(const char* fileName) {
  Config.searchPathSet = 0;
  std::string bytes;
  if (!plat::readWholeFile(fileName, plat::kOpenExisting, &bytes)) return;
  Config.searchPath[0] = '\0';
  std::string text = ansiFromFileBytes(bytes);

  // A "path=" line holds the whole path; without one, every line is a part.
  size_t assignment = findTextI(text, "path=", 0);
  bool oneLine = assignment != std::string::npos;
  size_t start = oneLine ? assignment + 5 : 0;
  std::string stored;
  while (start < text.size()) {
    size_t lineStart = start == 0 ? 0 : text.rfind('\n', start - 1) + 1;
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string part;
    for (char c : text.substr(start, end - start))
      if (c != '\t' && c != '\r') part += c;
    // A folder the file's encoding cannot give would be searched as a
    // fragment: the whole line is left out. A part that no longer fits is
    // left out whole with the rest, never cut into a prefix of a folder.
    if (!lineUnusable(text.substr(lineStart, end - lineStart).c_str())) {
      if (!fitsField(stored + part, kSearchPathSize)) break;
      stored += part;
    }
    if (oneLine) break;
    start = end + 1;
  }
  copyText(Config.searchPath, kSearchPathSize, stored.c_str());
  if (!stored.empty()) Config.searchPathSet = 1;
}

ProgramKind programKindOf(const char* program) {
  PathParts parts = splitPath(program);
  bool batch = equalsI(parts.ext.c_str(), ".bat") || equalsI(parts.ext.c_str(), ".cmd");
  bool cmd = equalsI((parts.name + parts.ext).c_str(), "cmd.exe");
  return batch || cmd ? kProgramThroughCmd : kProgramDirect;
}
