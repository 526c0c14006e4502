#include "app/sources.h"

#include <cstring>
#include <string>
#include <vector>

#include "app/clipboard_blocks.h"
#include "config/config_model.h"
#include "config/path_macros.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

bool listFull() { return RunState.sourceCount >= kMaxSources; }

void storeSource(const char* path) {
  copyText(RunState.sourceList[RunState.sourceCount++], kLongPathSize, path);
}

// The folder value of /#0=" is an option, not a source: its token starts
// at the quote that ends those five characters.
bool isPresetFolderValue(const char* text, size_t start) {
  return start >= 4 && memcmp(text + start - 4, "/#0=\"", 5) == 0;
}

// A name longer than Windows allows is told as too long, never cut: a
// prefix of it would name another file. An option is no name.
void leaveOutTooLong(const std::string& name) {
  if (strncmp(name.c_str(), "/#", 2) != 0) noteTooLongName(name);
}

// A name holding a byte the code page cannot read (a control byte stands
// for such a byte) is no name: a guess at its character names another file.
bool unreadableName(const std::string& name) {
  for (unsigned char c : name)
    if (c < 0x20 && c != static_cast<unsigned char>(kUnheldMark)) return true;
  return !plat::ansiTextReadable(name.data(), name.size());
}

// Takes a finished token that started at index start of the text.
void finishCandidate(const char* text, size_t start, const std::string& token) {
  if (token.empty() || listFull() || isPresetFolderValue(text, start)) return;
  std::string expanded =
      Config.expandMacros ? expandPathMacros(token.c_str()) : token;
  char path[kLongPathSize];
  if (!copyWholeWord(path, sizeof path, expanded.c_str())) return leaveOutTooLong(expanded);
  unquoteSpaces(path);
  removeBlanks(path);
  // A device answers the existence test, but is no file to send; a trailing
  // dot or blank would have the test and the shell find another file.
  if (isDeviceName(path) || pathRulesChangeName(path) || unreadableName(path)) {
    noteInvalidName(path);
    return;
  }
  bool folder = plat::pathIsDirectory(path);
  if (!folder && !plat::pathFileExists(path)) return;
  // Stored whole, so the levels walk and the shell see the file the current
  // folder of start-up gave, not a bare relative text.
  char full[kPathSize];
  unsigned length = plat::fullPathName(path, full, sizeof full);
  if (length >= sizeof full) return leaveOutTooLong(path);
  if (length == 0) return;
  if (folder) normaliseFolder(full, sizeof full);
  storeSource(full);
}

}  // namespace

void collectSources(const char* text, int textMode) {
  RunState.sourceCount = 0;
  std::string token;
  size_t start = 0;  // where the token's first character stood
  bool inQuote = false;
  auto finish = [&]() {
    finishCandidate(text, start, token);
    token.clear();
  };
  auto append = [&](size_t pos, char c) {
    if (token.empty()) start = pos;
    token += c;
  };
  size_t pos = 0;
  for (; text[pos] && !listFull(); ++pos) {
    char c = text[pos];
    if (c == '"' && !inQuote) {
      if (!token.empty()) finish();
      append(pos, '"');
      inQuote = true;
    } else if (c == '"') {
      append(pos, c);
      inQuote = false;
      finish();
    } else if (c == ' ' && !inQuote && textMode == kCommandLineText) {
      finish();
    } else if (c == '\n' && textMode == kLineText) {
      inQuote = false;
      finish();
    } else if (c == '\r' || c == '\n' || c == '\t') {
      // dropped wherever they stand
    } else {
      // Kept whole, however long: a word too long is refused whole as it
      // finishes, never cut to a prefix naming another file.
      append(pos, c);
    }
  }
  if (!token.empty() && !listFull()) finish();
}

namespace {

// Reads one block of the open clipboard; false when none is offered.
bool readClipboardBlock(plat::ClipboardFormat format, std::string* block) {
  return plat::clipboardHasFormat(format) && plat::clipboardBlock(format, block);
}

void takeClipboardNames(const std::vector<std::string>& names) {
  RunState.sourceCount = 0;
  for (const std::string& name : names) {
    if (listFull()) break;
    // The list is taken without an existence test, and the shell would
    // expand a wildcard into files nobody named, write to a device, or reach
    // "x" for "x.".
    if (isWildcardName(name.c_str()) || isDeviceName(name.c_str()) ||
        pathRulesChangeName(name.c_str()) || unreadableName(name)) {
      noteInvalidName(name);
      continue;
    }
    char path[kPathSize];
    // Names of 260 characters or more do not fit a path and are left out.
    if (!copyWholeWord(path, sizeof path, name.c_str())) {
      leaveOutTooLong(name);
      continue;
    }
    if (plat::pathIsDirectory(path)) normaliseFolder(path, sizeof path);
    storeSource(path);
  }
}

}  // namespace

int collectClipboardSources(PlatWindow hostWindow) {
  bool fileList = plat::clipboardHasFormat(plat::kClipboardFileList);
  if (!fileList && !plat::clipboardHasFormat(plat::kClipboardUnicodeText) &&
      !plat::clipboardHasFormat(plat::kClipboardText))
    return 0;
  if (!plat::openClipboard(hostWindow)) return 0;
  std::string block;
  int taken = 1;
  if (fileList) {
    if (readClipboardBlock(plat::kClipboardFileList, &block))
      takeClipboardNames(namesFromFileListBlock(block));
  } else {
    // The Unicode text when offered: the ANSI one is a best-fit copy of it.
    std::string text;
    if (readClipboardBlock(plat::kClipboardUnicodeText, &block))
      text = textFromClipboardBlock(block, true);
    else if (readClipboardBlock(plat::kClipboardText, &block))
      text = textFromClipboardBlock(block, false);
    if (text.empty()) taken = 0;
    else collectSources(text.c_str(), kLineText);
  }
  plat::closeClipboard();
  return taken;
}
