#include "launch/command_line.h"

#include <cstring>

#include "fileops/folder_listing.h"
#include "launch/launcher.h"
#include "platform/platform.h"
#include "state/left_out_names.h"
#include "state/run_state.h"
#include "text/ansi_text.h"

namespace {

// The source placeholder forms, in the order they are looked for.
enum SourceForm {
  kFormNone,
  kFormQuotedFolderSlash,  // "%M"  quoted, folders end in a backslash
  kFormQuoted,             // "%-M" quoted, folders as stored
  kFormFolderSlash,        // %M
  kFormPlain,              // %-M
};

struct FormText {
  SourceForm form;
  const char* text;
};
const FormText kForms[] = {
    {kFormQuotedFolderSlash, "\"%M\""},
    {kFormQuoted, "\"%-M\""},
    {kFormFolderSlash, "%M"},
    {kFormPlain, "%-M"},
};

bool isQuoted(SourceForm form) {
  return form == kFormQuotedFolderSlash || form == kFormQuoted;
}

std::string formatItem(SourceForm form, const std::string& path) {
  std::string item = path;
  if (plat::pathIsDirectory(path.c_str())) {
    addBackslash(&item);
    if (form == kFormQuoted || form == kFormPlain) item.pop_back();
  }
  return isQuoted(form) ? "\"" + item + "\"" : item;
}

// Splits a template around its source placeholder; kFormNone when absent.
SourceForm splitSourcePlaceholder(const std::string& paramTemplate,
                                  std::string* prefix, std::string* tail) {
  for (const FormText& f : kForms) {
    size_t pos = findTextI(paramTemplate, f.text, 0);
    if (pos == std::string::npos) continue;
    *prefix = paramTemplate.substr(0, pos);
    *tail = paramTemplate.substr(pos + strlen(f.text));
    return f.form;
  }
  return kFormNone;
}

// prefix + items joined by single spaces + tail, each item formatted for the
// form. Growable, so no length of path or list can overrun it.
std::string buildCommandLine(SourceForm form, const std::string& prefix,
                             const std::vector<std::string>& items,
                             const std::string& tail) {
  std::string line = prefix;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) line += ' ';
    line += formatItem(form, items[i]);
  }
  return line + tail;
}

}  // namespace

void launchWithSources(const char* filledTemplate) {
  std::string prefix, tail;
  SourceForm form = splitSourcePlaceholder(filledTemplate, &prefix, &tail);
  if (form == kFormNone || RunState.sourceCount == 0) return;
  std::vector<std::string> items(RunState.sourceList,
                                 RunState.sourceList + RunState.sourceCount);
  launchProgram(RunState.execProgram,
                buildCommandLine(form, prefix, items, tail).c_str());
}

void launchWithFolderContents(const char* filledTemplate) {
  std::string prefix, tail;
  SourceForm form = splitSourcePlaceholder(filledTemplate, &prefix, &tail);
  if (form == kFormNone) return;
  std::vector<std::string> items;
  bool listed = listFolderEntries(RunState.sourceList[0], &items);
  tellLeftOutNames(RunState.hostWindow);
  if (!listed || items.empty()) return;
  launchProgram(RunState.execProgram,
                buildCommandLine(form, prefix, items, tail).c_str());
}
