#include "text/windows_names.h"

#include <cstring>

#include "platform/platform.h"
#include "text/ansi_text.h"

namespace {

bool namesDevice(const std::string& name) {
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const char* device : kDevices)
    if (equalsI(base.c_str(), device)) return true;
  bool numbered = base.size() == 4 && (beginsWithKey(base.c_str(), "COM") ||
                                       beginsWithKey(base.c_str(), "LPT"));
  return numbered && base[3] >= '1' && base[3] <= '9';
}

// Character by character, so a trail byte is never taken for \ or |; a
// marked character is judged by the character it stands for.
bool holdsBadCharacter(const std::string& name) {
  for (const char* p = name.c_str(); *p; p += nextCharLength(p)) {
    size_t length = nextCharLength(p);
    unsigned unit = length == 5 ? markedUnit(p) : static_cast<unsigned char>(*p);
    if (length == 2) continue;  // a double-byte character: none is refused
    if (unit < 0x20 || (unit < 0x80 && strchr("\\/:*?\"<>|", static_cast<char>(unit))))
      return true;
  }
  return false;
}

// A trailing dot or blank, which Windows paths drop; "." and ".." are folders.
bool endsAsPathsDrop(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.back() == '.' || name.back() == ' ';
}

}  // namespace

NameProblem windowsNameProblem(const std::string& name) {
  if (name.find_first_not_of(' ') == std::string::npos) return kNameEmpty;
  if (holdsBadCharacter(name)) return kNameBadCharacter;
  if (endsAsPathsDrop(name)) return kNameBadEnd;
  if (namesDevice(name)) return kNameDevice;
  return kNameFine;
}

bool isDeviceName(const char* path) { return namesDevice(fileNameOf(path)); }

bool pathRulesChangeName(const char* path) { return endsAsPathsDrop(fileNameOf(path)); }
