#include "config/menu_position.h"

#include <cstring>

#include "config/config_model.h"
#include "text/ansi_text.h"

namespace {

bool has(const char* field, const char* word) {
  return findTextI(field, word) != nullptr;
}

bool isPositionWord(const char* field) {
  return has(field, "mouse") || has(field, "mous2") || has(field, "center") ||
         has(field, "active");
}

// MAX, the screen's extent: anywhere in a field before a comma, the whole
// last field.
bool isMax(const char* field, bool atComma) {
  return atComma ? has(field, "MAX") : strcmp(field, "MAX") == 0;
}

// A coordinate: MAX, or digits after an optional minus.
bool isCoordinate(const char* field, bool atComma) {
  if (isMax(field, atComma)) return true;
  const char* digits = field[0] == '-' ? field + 1 : field;
  return *digits >= '0' && *digits <= '9';
}

std::string notANumber(const char* field) {
  return std::string(field) + ": not a number; taken as 0";
}

// A lone word; mouse positions need a mouse.
int wordPosition(const char* field) {
  if (has(field, "mouse"))
    return RunState.mouseButtons ? kMenuAtMouse : kMenuAtActiveWindow;
  if (has(field, "mous2"))
    return RunState.mouseButtons ? kMenuAtMouseCentred : kMenuAtActiveWindow;
  if (has(field, "center")) return kMenuAtScreenCentre;
  return kMenuAtActiveWindow;
}

}  // namespace

std::string parseMenuPosition(const char* text, int offset) {
  Config.menuPosition = kMenuAtActiveWindow;
  char field[7];
  int length = 0;
  bool second = false;
  std::string why;
  for (const char* p = text + offset; *p; ++p) {
    char c = *p;
    if (c != ',' && c != '\r' && c != '\n') {
      if (length < 6) field[length++] = c;  // the rest of a field is skipped
      continue;
    }
    field[length] = '\0';
    bool atComma = c == ',';
    if (second) {
      Config.menuY = isMax(field, atComma) ? RunState.maximizedHeight : textToInt(field);
      Config.menuPosition = kMenuAtCoordinates;
      if (isCoordinate(field, atComma)) return why;
      return why + (why.empty() ? "" : "; ") + notANumber(field);
    }
    if (!atComma) {
      Config.menuPosition = wordPosition(field);
      return isPositionWord(field) ? ""
                                   : std::string(field) +
                                         ": no position word; the menu opens at the active window";
    }
    if (isMax(field, true)) {
      Config.menuX = RunState.screenWidth;
    } else if (isPositionWord(field)) {
      Config.menuPosition = wordPosition(field);
      return "";
    } else {
      Config.menuX = textToInt(field);
      if (!isCoordinate(field, true)) why = notANumber(field);
    }
    second = true;
    length = 0;
  }
  return why;
}
