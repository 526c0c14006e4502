#include "config/config_reader.h"

#include "config/menu_position.h"

#include "tests/test_support.h"

class ConfigReaderTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* f : {"C:\\Work", "D:\\Proj\\Alpha", "D:\\Proj\\Beta.old",
                          "E:\\", "D:\\Photos\\2008", "D:\\Backup",
                          "C:\\Users\\me\\Desktop", "C:\\Start"})
      addFolder(f);
    addFile("C:\\Tools\\view.exe");
    addFile("C:\\Windows\\System32\\notepad.exe");
    fake().specialFolders[0x00] = "C:\\Users\\me\\Desktop";
  }
};

TEST_F(ConfigReaderTest, RealisticConfigurationFillsEveryTable) {
  RunState.baseFolder[0] = '\0';
  ASSERT_EQ(load(
      "; Falvex settings\r\n"
      "[system]\r\n"
      "@mode=move\r\n"
      "@check=0\r\n"
      "@param\r\n"
      "%pj% | D:\\Proj\r\n"
      "%bk% | D:\\Backup\r\n"
      "; after the macros\r\n"
      "@path=C:\\Tools;C:\\Bin\r\n"
      "@menu=120,MAX\r\n"
      "@menu=center\r\n"
      "@filer=view\r\n"
      "; comment between filer and its parameters\r\n"
      ">/open=%P\r\n"
      "@editor=notepad\r\n"
      "@base=%Desktop%\r\n"
      "@unknown=1\r\n"
      "%end\r\n"
      "[dir]\r\n"
      "  C:\\Work | &Work\r\n"
      "+\r\n"
      "{Pro&jects\r\n"
      "%pj%\\Alpha\r\n"
      "%pj%\\Beta.old\r\n"
      "D:\\Nowhere\r\n"
      "}\r\n"
      "-\r\n"
      "E:\\\r\n"
      "%end\r\n"
      "[group]\r\n"
      "@direct\r\n"
      "{&Photos && more\r\n"
      "D:\\Photos\\2008\r\n"
      "%bk%\r\n"
      "}\r\n"
      "%end\r\n"
      "[exec]\r\n"
      "view | Viewer\r\n"
      ">/files %M\r\n"
      "notepad\r\n"
      "%end\r\n"), 1);

  EXPECT_EQ(RunState.transferMode, 1);
  EXPECT_EQ(RunState.confirm, 0);
  EXPECT_EQ(Config.expandMacros, 1);
  ASSERT_EQ(UserMacros.count, 2);
  EXPECT_STREQ(UserMacros.name[1], "%bk%");
  EXPECT_STREQ(UserMacros.value[1], "D:\\Backup");
  EXPECT_STREQ(Config.searchPath, "C:\\Tools;C:\\Bin");
  EXPECT_EQ(Config.searchPathSet, 1);
  EXPECT_EQ(Config.menuPosition, 1);  // the first @menu= line decides
  EXPECT_EQ(Config.menuX, 120);
  EXPECT_EQ(Config.menuY, 740);
  EXPECT_STREQ(Config.filerPath, "C:\\Tools\\view.exe");
  EXPECT_STREQ(Config.filerParams, "/open=%P");
  EXPECT_STREQ(Config.editorPath, "C:\\Windows\\System32\\notepad.exe");
  EXPECT_STREQ(RunState.baseFolder, "C:\\Users\\me\\Desktop");

  const int kinds[] = {0, 2, 8, 0, 0, 9, 3, 0};
  const int levels[] = {0, 0, 0, 1, 1, 1, 0, 0};
  ASSERT_EQ(DirEntries.count, 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(DirEntries.kind[i], kinds[i]) << i;
    EXPECT_EQ(DirEntries.level[i], levels[i]) << i;
  }
  EXPECT_STREQ(DirEntries.caption[0], "&Work");
  EXPECT_STREQ(DirEntries.caption[2], "Pro&jects");
  EXPECT_STREQ(DirEntries.folder[3], "D:\\Proj\\Alpha");
  EXPECT_STREQ(DirEntries.caption[4], "Beta");
  EXPECT_STREQ(DirEntries.folder[7], "E:");
  EXPECT_STREQ(DirEntries.caption[7], "E:\\");

  ASSERT_EQ(Groups.count, 1);
  EXPECT_EQ(Groups.direct, 1);
  EXPECT_EQ(Groups.columnBreak, 0);
  EXPECT_STREQ(Groups.plainName[0], "Photos  more");
  ASSERT_EQ(Groups.memberCount[0], 2);
  EXPECT_STREQ(Groups.member[0][1], "D:\\Backup");

  ASSERT_EQ(ExecEntries.count, 2);
  EXPECT_STREQ(ExecEntries.caption[0], "Viewer");
  EXPECT_STREQ(ExecEntries.params[0], "/files %M");
  EXPECT_STREQ(ExecEntries.program[1], "C:\\Windows\\System32\\notepad.exe");
  EXPECT_STREQ(ExecEntries.caption[1], "notepad");
  EXPECT_EQ(RunState.execMode, 0);
}

TEST_F(ConfigReaderTest, SectionMarkersAndEnds) {
  // A marker inside a comment starts the section right there; a final line
  // without line feed is never read.
  ASSERT_EQ(load("[system]\n; see [dir] below\nC:\\Work\n%end\n[dir]\nE:\\\n"
                 "C:\\Start"), 1);
  ASSERT_EQ(DirEntries.count, 1);
  EXPECT_STREQ(DirEntries.folder[0], "C:\\Work");

  // Without %end, [dir] runs into [group], whose "{" opens a submenu.
  ASSERT_EQ(load("[dir]\nC:\\Work\n[group]\n{G\nD:\\Backup\n}\n%end\n"), 1);
  ASSERT_EQ(DirEntries.count, 4);
  EXPECT_EQ(DirEntries.kind[1], kDirSubmenu);
  EXPECT_EQ(DirEntries.level[2], 1);
  EXPECT_EQ(Groups.count, 1);  // and [group] is still read from its marker

  // "+" first or right after "{" is no separator; "%END" and "@BREAK" match
  // in capitals; a lone "{" or "}" at level 0 is a folder line.
  ASSERT_EQ(load("[dir]\n+\n{S\n-\nC:\\Work\n}\n+\n}\n{\n%END\n"
                 "[group]\n@BREAK\n@break \n%end\n"), 1);
  ASSERT_EQ(DirEntries.count, 4);
  EXPECT_EQ(DirEntries.kind[0], kDirSubmenu);
  EXPECT_EQ(DirEntries.kind[2], kDirSubmenuEnd);
  EXPECT_EQ(DirEntries.kind[3], kDirSeparator);  // a folder came after "{"

  EXPECT_EQ(Groups.columnBreak, 1);
}

TEST_F(ConfigReaderTest, SpecExampleOfEightDirLines) {
  ASSERT_EQ(load("[dir]\nC:\\Work\n+\n{Projects\nD:\\Proj\\Alpha | &Alpha\n"
                 "D:\\Proj\\Beta.old\n}\n-\nE:\\\n%end\n"), 1);
  ASSERT_EQ(DirEntries.count, 8);
  EXPECT_STREQ(DirEntries.caption[0], "Work");
  EXPECT_STREQ(DirEntries.caption[3], "&Alpha");
  EXPECT_EQ(DirEntries.level[5], 1);
  EXPECT_EQ(DirEntries.kind[6], kDirColumn);
}

TEST_F(ConfigReaderTest, SystemKeysMatchByTheirLength) {
  RunState.transferMode = 0;  // the command line said copy
  ASSERT_EQ(load("[system]\n@check=0 \n@CHECK=0\n@mode=moveabc\n"
                 "@menu=ab\n@menu=mouse2\n%end\n"), 1);
  EXPECT_EQ(RunState.confirm, 0);
  EXPECT_EQ(RunState.transferMode, 0);
  EXPECT_EQ(Config.menuPosition, kMenuAtMouse);

  resetConfigModel();
  RunState.confirm = RunState.transferMode = 9;
  ASSERT_EQ(load("[system]\n@check=0 ; no\n@mode=copy\n%end\n"), 1);
  EXPECT_EQ(RunState.confirm, 1);
  EXPECT_EQ(RunState.transferMode, 0);
}

TEST_F(ConfigReaderTest, UserMacroBlockEndsAtTenOrAtAPlainLine) {
  std::string text = "[system]\n@param\n";
  for (int i = 0; i < 11; ++i)
    text += "%m" + std::to_string(i) + "% | v" + std::to_string(i) + "\n";
  ASSERT_EQ(load(text + "%end\n"), 1);
  EXPECT_EQ(UserMacros.count, 10);  // the eleventh is an ordinary line

  Config.menuPosition = 9;
  ASSERT_EQ(load("[system]\n@param\n;x | y\n@menu=center\n%end\n"), 1);
  EXPECT_EQ(UserMacros.count, 1);
  EXPECT_STREQ(UserMacros.name[0], ";x");
  EXPECT_EQ(Config.menuPosition, kMenuAtScreenCentre);
}

TEST_F(ConfigReaderTest, TableLimits) {
  std::string dirs = "[dir]\n";
  for (int i = 0; i < 1005; ++i) dirs += (i % 2) ? "+\n" : "C:\\Work\n";
  ASSERT_EQ(load(dirs + "%end\n"), 1);
  EXPECT_EQ(DirEntries.count, 1000);
  EXPECT_EQ(DirEntries.kind[999], kDirSeparator);

  std::string groups = "[group]\n";
  for (int g = 0; g < 11; ++g) {
    groups += "{G" + std::to_string(g) + "\n";
    for (int m = 0; m < 12; ++m) groups += "D:\\Backup\n";
    groups += "}\n";
  }
  ASSERT_EQ(load(groups + "@direct\n%end\n"), 1);
  EXPECT_EQ(Groups.count, 10);
  EXPECT_EQ(Groups.memberCount[9], 10);
  EXPECT_EQ(Groups.direct, 0);  // ignored once ten groups exist

  ASSERT_EQ(load("[group]\n}\n{Open\nD:\\Backup\n%end\n"), 1);
  EXPECT_EQ(Groups.count, 1);  // the unclosed group is not counted
  EXPECT_STREQ(Groups.caption[0], "");
  EXPECT_EQ(Groups.memberCount[0], 0);
}

TEST_F(ConfigReaderTest, OverlongTextsAreCutToTheirFields) {
  std::string caption(400, 'c');
  std::string macroName(30, 'n');
  std::string longFolder = "C:\\" + std::string(300, 'f');
  addFolder(longFolder);
  ASSERT_EQ(load("[system]\n@param\n" + macroName + " | " + std::string(300, 'v') +
                 "\n%end\n[dir]\nC:\\Work | " + caption + "\n{" + caption +
                 "\n" + longFolder + "\n%end\n[exec]\nnotepad | " + caption +
                 "\n>" + caption + "\n%end\n"), 1);
  EXPECT_EQ(strlen(UserMacros.name[0]), 19u);
  EXPECT_EQ(strlen(UserMacros.value[0]), 259u);
  EXPECT_EQ(strlen(DirEntries.caption[0]), 259u);
  EXPECT_EQ(strlen(DirEntries.caption[1]), 259u);
  EXPECT_EQ(DirEntries.count, 2);  // a folder too long to store is refused
  EXPECT_EQ(strlen(ExecEntries.caption[0]), 259u);
  EXPECT_EQ(strlen(ExecEntries.params[0]), 259u);
}

TEST_F(ConfigReaderTest, LinesAreCutAt517CharactersAndLoseTabs) {
  char line[520];
  std::string text = "a\tb\r\n" + std::string(600, 'x') + "\nlast";
  size_t first = readConfigLine(text, 0, line);
  EXPECT_EQ(first, 5u);
  EXPECT_STREQ(line, "ab");
  size_t second = readConfigLine(text, first, line);
  EXPECT_EQ(second, 601u);
  EXPECT_EQ(strlen(line), 517u);
  EXPECT_EQ(readConfigLine(text, first + second, line), 0u);
}

TEST_F(ConfigReaderTest, ConfigurationFileChoice) {
  // "/#s=" named a missing file: default name, then Falvex.ini.
  copyText(RunState.configPath, kPathSize, "C:\\Prog\\gone.ini");
  copyText(RunState.defaultConfigName, kPathSize, "tool.ini");
  addFile("C:\\Prog\\Falvex.ini", "[dir]\nC:\\Work\n%end\n");
  ASSERT_EQ(loadConfiguration(nullptr), 1);
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\Falvex.ini");
  EXPECT_EQ(DirEntries.count, 1);

  removeEntry("C:\\Prog\\Falvex.ini");
  ASSERT_EQ(loadConfiguration(nullptr), 1);
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\tool.ini");
  EXPECT_TRUE(plat::pathFileExists("C:\\Prog\\tool.ini"));

  fake().unreadable.insert("c:\\prog\\tool.ini");
  EXPECT_EQ(loadConfiguration(nullptr), 0);
  EXPECT_EQ(fake().boxes.size(), 1u);
}

TEST_F(ConfigReaderTest, ExecSectionHasNoCommentsAndChoosesTheRunProgram) {
  RunState.execMode = 2;
  copyText(RunState.execName, kPathSize, "VIEWER");
  ASSERT_EQ(load("[exec]\nnotepad\n;comment\n>dropped\nC:\\Tools\\view | Viewer\n>%-M\n%end\n"), 1);
  ASSERT_EQ(ExecEntries.count, 2);
  EXPECT_STREQ(ExecEntries.params[0], "");
  EXPECT_STREQ(RunState.execProgram, "C:\\Tools\\view.exe");
  EXPECT_STREQ(RunState.execParams, "%-M");
  EXPECT_STREQ(RunState.execName, "VIEWER");

  RunState.execMode = 2;
  copyText(RunState.execName, kPathSize, "View");
  ASSERT_EQ(load("[exec]\nC:\\Tools\\view | Viewer\n%end\n"), 1);
  EXPECT_EQ(RunState.execMode, 0);  // a part of a name does not match

  RunState.execMode = 1;
  RunState.presetDestination = 3;
  ASSERT_EQ(load("[exec]\nview\n%end\n"), 1);
  EXPECT_EQ(RunState.execMode, 0);
}

TEST_F(ConfigReaderTest, MenuPositionValues) {
  struct Case {
    const char* value;
    int mouse, position, x, y;
  } cases[] = {
      {"mouse2", 3, kMenuAtMouse, 0, 0},
      {"mous2", 3, kMenuAtMouseCentred, 0, 0},
      {"mouse", 0, kMenuAtActiveWindow, 0, 0},
      {"10,max", 3, kMenuAtCoordinates, 10, 0},
      {"max,MAX", 3, kMenuAtCoordinates, 1024, 740},
      {"-5,20,99", 3, kMenuAtCoordinates, -5, 20},
      {"300", 3, kMenuAtActiveWindow, 0, 0},
      {"CENTER", 3, kMenuAtScreenCentre, 0, 0},
      {"1234567,2", 3, kMenuAtCoordinates, 123456, 2},
  };
  for (const Case& c : cases) {
    Config.menuX = Config.menuY = 0;
    RunState.mouseButtons = c.mouse;
    std::string text = std::string(c.value) + "\r\n";
    parseMenuPosition(text.c_str(), 0);
    EXPECT_EQ(Config.menuPosition, c.position) << c.value;
    EXPECT_EQ(Config.menuX, c.x) << c.value;
    EXPECT_EQ(Config.menuY, c.y) << c.value;
  }
}

TEST_F(ConfigReaderTest, DoubleByteNamesAndTheCurrentDriveRoot) {
  addFolder("D:\\Rain");
  addFolder("D:\\Swim");
  addFile("C:\\Tools\\ka.exe");
  addFile("C:\\Tools\\ni.exe");
  ASSERT_EQ(load("[dir]\n\\\n\\ | &Root\n%end\n"
                 "[group]\n{Rain\nD:\\Rain\n}\n{Swim\nD:\\Swim\n\\\n}\n%end\n"),
            1);
  // "\" is the current drive's root, never an empty folder.
  EXPECT_STREQ(DirEntries.folder[0], "\\");
  EXPECT_STREQ(DirEntries.folder[1], "\\");
  EXPECT_STREQ(Groups.member[1][1], "\\");

  // "/#a=" with ニ (83 6A) picks ニ's program, not カ's (83 4A).
  copyText(RunState.execName, kPathSize, "\x83\x6A");
  RunState.execMode = 2;
  ASSERT_EQ(load("[exec]\nC:\\Tools\\ka.exe | \x83\x4A\n>%M\n"
                 "C:\\Tools\\ni.exe | \x83\x6A\n>%M\n%end\n"), 1);
  EXPECT_STREQ(RunState.execProgram, "C:\\Tools\\ni.exe");
}
