#pragma once

#include <string>
#include <vector>

// The source placeholder forms, in the order they are looked for.
enum SourceForm {
  kFormNone,
  kFormQuotedFolderSlash,  // "%M"  quoted, folders end in a backslash
  kFormQuoted,             // "%-M" quoted, folders as stored
  kFormFolderSlash,        // %M
  kFormPlain,              // %-M
};

// Splits a template around its source placeholder; kFormNone when absent.
SourceForm splitSourcePlaceholder(const std::string& paramTemplate,
                                  std::string* prefix, std::string* tail);

// prefix + items joined by single spaces + tail, each item formatted for the
// form. Growable, so no length of path or list can overrun it.
std::string buildCommandLine(SourceForm form, const std::string& prefix,
                             const std::vector<std::string>& items,
                             const std::string& tail);

// Starts RunState.execProgram with the whole source list.
void launchWithSources(const char* filledTemplate);
// Starts it with the entries of the first source folder instead.
void launchWithFolderContents(const char* filledTemplate);
