#include "config/program_locator.h"

#include <cstring>

#include "config/config_model.h"
#include "platform/platform.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"

namespace {

// A lookup result of 0, or of 260 or more, counts as failure.
bool fits(unsigned length) { return length > 0 && length < kPathSize; }

bool fullPathOf(const char* name, std::string* path) {
  char buffer[kPathSize];
  if (!fits(plat::fullPathName(name, buffer, sizeof buffer))) return false;
  *path = buffer;
  return true;
}

bool search(const char* folders, const char* name, const char* nameExe,
            std::string* path) {
  char buffer[kPathSize];
  if (fits(plat::searchPath(folders, name, buffer, sizeof buffer)) ||
      (nameExe && fits(plat::searchPath(folders, nameExe, buffer,
                                        sizeof buffer)))) {
    *path = buffer;
    return true;
  }
  return false;
}

}  // namespace

bool locateProgram(const char* name, int tryExe, std::string* path) {
  std::string withExe = std::string(name) + ".exe";
  const char* nameExe = tryExe ? withExe.c_str() : nullptr;
  if (plat::pathFileExists(name)) {
    if (!fullPathOf(name, path)) *path = name;
    return true;
  }
  if (nameExe && plat::pathFileExists(nameExe)) {
    if (!fullPathOf(nameExe, path)) *path = name;
    return true;
  }
  if (Config.searchPathSet && search(Config.searchPath, name, nameExe, path))
    return true;
  if (search(nullptr, name, nameExe, path)) return true;
  *path = name;
  return false;
}

void readSearchPathFile(const char* fileName) {
  Config.searchPathSet = 0;
  std::string bytes;
  if (!plat::readWholeFile(fileName, plat::kOpenExisting, &bytes)) return;
  Config.searchPath[0] = '\0';
  std::string text = ansiFromFileBytes(bytes);

  // The text is a C string to the searches, as the file's first NUL ends it.
  const char* start = text.c_str();
  const char* assignment = findTextI(start, "path=");
  bool oneLine = assignment != nullptr;
  const char* p = oneLine ? assignment + 5 : start;

  size_t stored = 0;
  for (; *p && stored < kSearchPathSize - 1; ++p) {
    char c = *p;
    if (oneLine && (c == '\r' || c == '\n')) break;
    if (c == '\t' || c == '\r' || c == '\n') continue;
    Config.searchPath[stored++] = c;
  }
  Config.searchPath[stored] = '\0';
  if (stored > 0) Config.searchPathSet = 1;
}
