#include "app/sources.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/run_state.h"
#include "config/config_model.h"
#include "text/ansi_text.h"
#include "text/path_macros.h"

namespace {

const size_t kTokenLimit = 519;

bool listFull() { return RunState.sourceCount >= kMaxSources; }

void storeSource(const char* path) {
  copyText(RunState.sourceList[RunState.sourceCount++], kLongPathSize, path);
}

// Takes a finished token that ended at index end of the text.
void finishCandidate(const char* text, size_t end, const std::string& token) {
  if (token.empty() || listFull()) return;
  std::string expanded =
      Config.expandMacros ? expandPathMacros(token.c_str()) : token;
  if (expanded.size() >= kLongPathSize) return;
  char path[kLongPathSize];
  copyText(path, sizeof path, expanded.c_str());
  unquoteSpaces(path);
  removeBlanks(path);
  bool folder = plat::pathIsDirectory(path);
  if (!folder && !plat::pathFileExists(path)) return;
  size_t length = strlen(path);
  if (length >= kPathSize) return;
  // The folder value of /#0=" is an option, not a source.
  if (length + 5 <= end && memcmp(text + end - length - 5, "/#0=\"", 5) == 0)
    return;
  if (folder) normaliseFolder(path, sizeof path);
  storeSource(path);
}

}  // namespace

void collectSources(const char* text, int textMode) {
  RunState.sourceCount = 0;
  std::string token;
  bool inQuote = false;
  auto finish = [&](size_t end) {
    finishCandidate(text, end, token);
    token.clear();
  };
  size_t pos = 0;
  for (; text[pos] && !listFull(); ++pos) {
    char c = text[pos];
    if (c == '"' && !inQuote) {
      if (!token.empty()) finish(pos);
      token = "\"";
      inQuote = true;
    } else if (c == '"') {
      token += c;
      inQuote = false;
      finish(pos);
    } else if (c == ' ' && !inQuote && textMode == kCommandLineText) {
      finish(pos);
    } else if (c == '\n' && textMode == kLineText) {
      inQuote = false;
      finish(pos);
    } else if (c == '\r' || c == '\n' || c == '\t') {
      // dropped wherever they stand
    } else if (token.size() < kTokenLimit) {
      token += c;
    }
  }
  if (!token.empty() && !listFull()) finish(pos);
}

int collectClipboardSources(PlatWindow hostWindow) {
  if (plat::clipboardHasFileList()) {
    if (!plat::openClipboard(hostWindow)) return 0;
    std::vector<std::string> names;
    if (plat::clipboardFileList(&names)) {
      RunState.sourceCount = 0;
      for (const std::string& name : names) {
        if (listFull()) break;
        char path[kPathSize];
        // Names of 260 characters or more do not fit a path and are left out.
        if (!copyText(path, sizeof path, name.c_str())) continue;
        if (plat::pathIsDirectory(path)) normaliseFolder(path, sizeof path);
        storeSource(path);
      }
    }
    plat::closeClipboard();
    return 1;
  }
  if (plat::clipboardHasText()) {
    if (!plat::openClipboard(hostWindow)) return 0;
    std::string text;
    if (!plat::clipboardText(&text) || text.empty()) {
      plat::closeClipboard();
      return 0;
    }
    collectSources(text.c_str(), kLineText);
    plat::closeClipboard();
    return 1;
  }
  return 0;
}
