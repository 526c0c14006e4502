#include "config/path_macros.h"

#include <cstdio>
#include <cstring>

#include "config/config_model.h"
#include "platform/platform.h"
#include "text/ansi_text.h"

namespace {

struct FolderMacro {
  const char* text;
  int csidl;
};

// Applied in this order; later rows see what earlier rows produced. The
// numbers are the shell's CSIDL values (0x24 CSIDL_WINDOWS, 0x05
// CSIDL_PERSONAL, ...), written raw because the portable code never sees
// the Windows headers that name them.
const FolderMacro kFolderMacros[] = {
    {"%Windows%", 0x24},           {"%Program Files%", 0x26},
    {"%System%", 0x25},            {"%My Pictures%", 0x27},
    {"%My Music%", 0x0D},          {"%My Video%", 0x0E},
    {"%My Documents%", 0x05},      {"%Favorites%", 0x06},
    {"%Start Menu%", 0x0B},        {"%Programs%", 0x02},
    {"%StartUp%", 0x07},           {"%SendTo%", 0x09},
    {"%Internet Cache%", 0x20},    {"%Fonts%", 0x14},
    {"%Cookies%", 0x21},           {"%History%", 0x22},
    {"%Desktop%", 0x00},           {"%DesktopDirectory%", 0x10},
    {"%Recent%", 0x08},            {"%Common Start Menu%", 0x16},
    {"%Common Programs%", 0x17},   {"%Common StartUp%", 0x18},
    {"%Common Desktop%", 0x19},    {"%Common Favorites%", 0x1F},
    {"%Common My Documents%", 0x2E}, {"%Common My Pictures%", 0x36},
    {"%Common My Music%", 0x35},   {"%Common My Video%", 0x37},
};

std::string formatNumber(const char* format, int value) {
  char buffer[32];
  snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string lastTwo(const std::string& year) {
  return year.size() > 2 ? year.substr(year.size() - 2) : year;
}

}  // namespace

std::string expandPathMacros(const char* input) {
  std::string text = input;
  cutText(&text, kMacroTextLimit);
  int year = 0, month = 0, day = 0;
  plat::localDate(&year, &month, &day);

  // Every built-in macro starts with a percent sign.
  bool mayHoldBuiltIns = text.find('%') != std::string::npos;
  for (const FolderMacro& row : kFolderMacros) {
    if (!mayHoldBuiltIns) break;
    if (findTextI(text, row.text, 0) == std::string::npos) continue;
    char folder[kPathSize] = "";
    // A folder the system cannot report leaves the macro text in place.
    if (!plat::specialFolderPath(RunState.hostWindow, row.csidl, folder))
      continue;
    replaceAllI(&text, row.text, folder, kMacroTextLimit);
  }

  char programFolder[kPathSize];
  copyText(programFolder, sizeof programFolder, RunState.programFolder);
  removeTrailingBackslash(programFolder);
  replaceAllI(&text, "%Falvex%", programFolder, kMacroTextLimit);

  const std::string fullYear = formatNumber("%d", year);
  const struct {
    const char* text;
    std::string value;
  } dateMacros[] = {
      {"%4y%", fullYear},
      {"%2y%", lastTwo(fullYear)},
      {"%mm%", formatNumber("%d", month)},
      {"%0m%", formatNumber("%02d", month)},
      {"%-m%", formatNumber("%2d", month)},
      {"%dd%", formatNumber("%d", day)},
      {"%0d%", formatNumber("%02d", day)},
      {"%-d%", formatNumber("%2d", day)},
  };
  for (const auto& row : dateMacros)
    replaceAllI(&text, row.text, row.value, kMacroTextLimit);

  // User macros: each search resumes behind the value it just inserted, so
  // a value is never expanded again by its own name.
  for (int i = 0; i < UserMacros.count; ++i) {
    const char* name = UserMacros.name[i];
    if (!name[0]) continue;  // an empty name would match everywhere
    size_t nameLength = strlen(name);
    std::string value = UserMacros.value[i];
    size_t pos = findTextI(text, name, 0);
    while (pos != std::string::npos) {
      text.replace(pos, nameLength, value);
      cutText(&text, kMacroTextLimit);
      pos = findTextI(text, name, pos + value.size());
    }
  }
  return text;
}
