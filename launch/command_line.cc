#include "launch/command_line.h"

#include <cstring>

#include "fileops/folder_listing.h"
#include "launch/command_items.h"
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

std::string formatItem(SourceForm form, const std::string& path, ProgramKind kind) {
  std::string item = path;
  if (plat::pathIsDirectory(path.c_str())) {
    addBackslash(&item);
    if (form == kFormQuoted || form == kFormPlain) item.pop_back();
  }
  return commandLineItem(item, isQuoted(form) ? kQuoteAlways : kQuoteWhenSpecial, kind);
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
// form and the program. Growable, so no length of path or list can overrun
// it. A name the program cannot be handed safely is left out and noted.
std::string buildCommandLine(SourceForm form, const std::string& prefix,
                             const std::vector<std::string>& names,
                             const std::string& tail, bool* anyItem) {
  ProgramKind kind = programKindOf(RunState.execProgram);
  std::string line = prefix;
  *anyItem = false;
  for (const std::string& name : names) {
    if (unsafeForProgram(name, kind)) {
      noteBatchUnsafeName(name);
      continue;
    }
    if (*anyItem) line += ' ';
    line += formatItem(form, name, kind);
    *anyItem = true;
  }
  return line + tail;
}

// Starts the program with a command line holding at least one name, then
// says which names were left out.
void launchWithItems(SourceForm form, const std::string& prefix,
                     const std::vector<std::string>& names, const std::string& tail) {
  bool anyItem;
  std::string line = buildCommandLine(form, prefix, names, tail, &anyItem);
  // Never started with a list Windows would cut: said with the list's size.
  if (anyItem && !launchProgram(RunState.execProgram, line.c_str()))
    noteCommandTooLong(static_cast<int>(names.size()));
  tellLeftOutNames(RunState.hostWindow);
}

}  // namespace

void launchWithSources(const char* filledTemplate) {
  std::string prefix, tail;
  SourceForm form = splitSourcePlaceholder(filledTemplate, &prefix, &tail);
  if (form == kFormNone || RunState.sourceCount == 0) return;
  std::vector<std::string> names(RunState.sourceList,
                                 RunState.sourceList + RunState.sourceCount);
  launchWithItems(form, prefix, names, tail);
}

void launchWithFolderContents(const char* filledTemplate) {
  std::string prefix, tail;
  SourceForm form = splitSourcePlaceholder(filledTemplate, &prefix, &tail);
  if (form == kFormNone) return;
  std::vector<std::string> names;
  bool listed = listFolderEntries(RunState.sourceList[0], &names);
  if (!listed) names.clear();
  launchWithItems(form, prefix, names, tail);
}
