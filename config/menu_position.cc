#include "config/menu_position.h"

#include <cstring>

#include "config/config_model.h"
#include "text/ansi_text.h"

namespace {

bool has(const char* field, const char* word) {
  return findTextI(field, word) != nullptr;
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

void parseMenuPosition(const char* text, int offset) {
  Config.menuPosition = kMenuAtActiveWindow;
  char field[7];
  int length = 0;
  bool second = false;
  for (const char* p = text + offset; *p; ++p) {
    char c = *p;
    if (c != ',' && c != '\r' && c != '\n') {
      if (length < 6) field[length++] = c;  // the rest of a field is skipped
      continue;
    }
    field[length] = '\0';
    bool atComma = c == ',';
    if (second) {
      bool max = atComma ? has(field, "MAX") : strcmp(field, "MAX") == 0;
      Config.menuY = max ? RunState.maximizedHeight : textToInt(field);
      Config.menuPosition = kMenuAtCoordinates;
      return;
    }
    if (!atComma) {
      Config.menuPosition = wordPosition(field);
      return;
    }
    if (has(field, "MAX")) {
      Config.menuX = RunState.screenWidth;
    } else if (has(field, "mouse") || has(field, "mous2") ||
               has(field, "center") || has(field, "active")) {
      Config.menuPosition = wordPosition(field);
      return;
    } else {
      Config.menuX = textToInt(field);
    }
    second = true;
    length = 0;
  }
}
