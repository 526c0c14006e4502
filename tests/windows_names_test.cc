#include "text/windows_names.h"

#include "tests/test_support.h"

// The one rule of what a Windows file name may not be. Each row: a name
// (one component) and why it is none, as every caller asks it.
TEST(WindowsNamesTest, WhatAFileNameMayNotBe) {
  const struct {
    std::string name;
    NameProblem problem;
  } rows[] = {
      {"Clients 2026", kNameFine},
      {"   ", kNameEmpty},
      {"a\\b", kNameBadCharacter},
      {"a|b", kNameBadCharacter},
      {"\x95\x5C", kNameFine},  // 表: its trail byte is no backslash
      {"\x01" "0001", kNameBadCharacter},  // a marked control character
      {"\x01" "003A", kNameBadCharacter},  // a marked colon is a colon
      {"caf\x01" "00E9", kNameFine},
      {"name.", kNameBadEnd},
      {"name ", kNameBadEnd},
      {"..", kNameFine},  // the folder above, no name ending in a dot
      {"com1.txt", kNameDevice},
      {"Conin$", kNameDevice},
      {"nul .log", kNameDevice},
      {"com0", kNameFine},
      {"LPT10", kNameFine},
  };
  for (const auto& row : rows) EXPECT_EQ(windowsNameProblem(row.name), row.problem) << row.name;
}
