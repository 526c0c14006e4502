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

  std::string asFolder = destination;
  if (plat::pathIsDirectory(destination)) addBackslash(&asFolder);
  replaceAllI(&text, "%P", asFolder, kParameterTextLimit);
  replaceAllI(&text, "%-P", destination, kParameterTextLimit);
  return text;
}
