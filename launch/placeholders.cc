#include "launch/placeholders.h"

#include "config/config_model.h"
#include "config/path_macros.h"
#include "platform/platform.h"
#include "text/ansi_text.h"

std::string fillDestinationPlaceholders(const char* paramTemplate,
                                        const char* destination) {
  // Macros first, so a user macro whose value holds %P gets it filled too.
  std::string text = Config.expandMacros ? expandPathMacros(paramTemplate)
                                         : std::string(paramTemplate);
  cutText(&text, kParameterTextLimit);

  // A stored bare drive is spelled as its root in both forms: "Q:" alone
  // names the drive's current folder, not the root.
  std::string plain = withDriveRoot(destination);
  std::string asFolder = plain;
  if (plat::pathIsDirectory(destination)) addBackslash(&asFolder);
  replaceAllI(&text, "%P", asFolder, kParameterTextLimit);
  replaceAllI(&text, "%-P", plain, kParameterTextLimit);
  return text;
}
