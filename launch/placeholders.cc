#include "launch/placeholders.h"

#include <cstring>

#include "config/config_model.h"
#include "config/path_macros.h"
#include "platform/platform.h"
#include "text/ansi_text.h"

namespace {

void fillEach(std::string* text, const char* pattern, const std::string& value,
              ProgramKind kind) {
  std::string item = commandLineItem(value, kQuoteWhenSpecial, kind);
  size_t patternLength = strlen(pattern);
  for (size_t pos = findTextI(*text, pattern, 0); pos != std::string::npos;) {
    const std::string& filled = insideQuotes(*text, pos) ? value : item;
    text->replace(pos, patternLength, filled);
    pos = findTextI(*text, pattern, pos + filled.size());
  }
}

}  // namespace

bool fillDestinationPlaceholders(const char* paramTemplate, const char* destination,
                                 ProgramKind kind, std::string* filled) {
  // Macros first, so a user macro whose value holds %P gets it filled too.
  std::string& text = *filled;
  text = Config.expandMacros ? expandPathMacros(paramTemplate) : std::string(paramTemplate);

  // A stored bare drive is spelled as its root in both forms: "Q:" alone
  // names the drive's current folder, not the root.
  std::string plain = withDriveRoot(destination);
  std::string asFolder = plain;
  if (plat::pathIsDirectory(destination)) addBackslash(&asFolder);
  fillEach(&text, "%P", asFolder, kind);
  fillEach(&text, "%-P", plain, kind);
  // Never cut: a cut text hands the program another name, or drops the
  // placeholder of the names.
  return fitsUnits(text, kParameterTextLimit);
}
