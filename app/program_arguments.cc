#include "app/program_arguments.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool nextArgument(const char** p, std::string* argument) {
  while (isBlank(**p)) ++*p;
  argument->clear();
  if (!**p) return false;
  bool quoted = false;
  for (; **p && (quoted || !isBlank(**p)); ++*p) {
    if (**p == '"') quoted = !quoted;
    else *argument += **p;
  }
  return true;
}

const char* argumentsAfterProgramName(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}
