#include "config/config_reader.h"
#include "config/menu_position.h"
#include "config/path_macros.h"
#include "config/program_locator.h"
#include "tests/test_support.h"

namespace {

std::string reports;
void recordReport(const LineReport& r) {
  const char* outcome[] = {"ok", "skip", "DROP"};
  reports += std::string(r.section) + " " + std::to_string(r.lineNumber) + " " +
             outcome[r.outcome] + " " + r.what + ": " + r.line + "\n";
}

}  // namespace

class ConfigTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* f : {"C:\\Work", "D:\\Proj\\Alpha", "D:\\Proj\\Beta.old", "E:\\",
                          "D:\\Photos", "D:\\Backup", "C:\\Users\\me\\Desktop"})
      addFolder(f);
    addFile("C:\\Tools\\view.exe");
    addFile("C:\\Windows\\System32\\notepad.exe");
    fake().specialFolders[0x00] = "C:\\Users\\me\\Desktop";
    fake().specialFolders[0x24] = "C:\\Windows";
    reports.clear();
    configLineObserver = recordReport;
  }
  void TearDown() override {
    configLineObserver = nullptr;
    FalvexTest::TearDown();
  }
};

// Every kind of line, what it becomes and the reason the checker prints.
TEST_F(ConfigTest, EachLineAndItsReason) {
  addFile("C:\\Work\\" + std::string(300, 'x'));  // exists, but no path holds it
  ASSERT_EQ(load("; settings\n[system]\n@mode=move\n@check=0\n@param\n%pj% | D:\\Proj\n"
                 "; after the macros\n@path=C:\\Tools;C:\\Bin\n@path=\n@menu=ab\n@menu=1920,1080\n"
                 "@menu=center\n>stray\n@filer=view\n; between\n>/open=%P\n@editor=notepad\n"
                 "@base=D:\\Nowhere\n@base=" + std::string(300, 'b') + "\n@base=%Desktop%\n@base=C:\\Work\n@editor=C:\\Work\n@unknown=1\n%end\n"
                 "[dir]\n  C:\\Work | &Work\n+\n\n{Pro&jects\n%pj%\\Alpha\n%pj%\\Beta.old\n"
                 "D:\\Nowhere\n}\n-\n | Caption\n{\nE:\\\n;note\n%end\n"
                 "[group]\n}\n@direct\n{A\nD:\\Photos\nD:\\Gone\n}\nD:\\Backup\n@break\n%end\n"
                 "[exec]\nview | Viewer\n>/files %M\nD:\\Backup\nmissing\n" + std::string(300, 'x') + "\nnotepad\n"),
            1);
  EXPECT_EQ(reports,
            "system 3 ok move mode: @mode=move\n"
            "system 4 ok confirmations off: @check=0\n"
            "system 5 ok macros on: @param\n"
            "system 7 skip comment: ; after the macros\n"
            "system 8 ok search path: @path=C:\\Tools;C:\\Bin\n"
            "system 9 DROP empty value: @path=\n"
            "system 10 skip menu position already set or too short: @menu=ab\n"
            "system 11 ok menu position: @menu=1920,1080\n"
            "system 12 skip menu position already set or too short: @menu=center\n"
            "system 13 DROP unknown key: >stray\n"
            "system 14 ok file manager: @filer=view\n"
            "system 15 skip comment: ; between\n"
            "system 16 ok file manager parameters: >/open=%P\n"
            "system 17 ok editor: @editor=notepad\n"
            "system 18 DROP folder does not exist: @base=D:\\Nowhere\n"
            "system 19 DROP folder does not exist: @base=" + std::string(300, 'b') + "\n"
            "system 20 ok browser start folder: @base=%Desktop%\n"
            "system 21 skip start folder already set: @base=C:\\Work\n"
            "system 22 DROP program not found: @editor=C:\\Work\n"
            "system 23 DROP unknown key: @unknown=1\n"
            "system 24 skip end of section: %end\n"
            "dir 26 ok folder: C:\\Work | &Work\n"
            "dir 27 ok separator: +\n"
            "dir 28 DROP folder does not exist: \n"
            "dir 29 ok submenu: {Pro&jects\n"
            "dir 30 ok folder: %pj%\\Alpha\n"
            "dir 31 ok folder: %pj%\\Beta.old\n"
            "dir 32 DROP folder does not exist: D:\\Nowhere\n"
            "dir 33 ok end of submenu: }\n"
            "dir 34 ok new column: -\n"
            "dir 35 DROP folder does not exist: | Caption\n"
            "dir 36 DROP folder does not exist: {\n"
            "dir 37 ok folder: E:\\\n"
            "dir 38 skip comment: ;note\n"
            "dir 39 skip end of section: %end\n"
            "group 41 ok end of group: }\n"
            "group 42 ok groups in the main menu: @direct\n"
            "group 43 ok group: {A\n"
            "group 44 ok member: D:\\Photos\n"
            "group 45 DROP folder does not exist: D:\\Gone\n"
            "group 46 ok end of group: }\n"
            "group 47 DROP outside any group: D:\\Backup\n"
            "group 48 ok groups in a new column: @break\n"
            "group 49 skip end of section: %end\n"
            "exec 51 ok program: view | Viewer\n"
            "exec 52 ok program parameters: >/files %M\n"
            "exec 53 DROP program not found: D:\\Backup\n"
            "exec 54 DROP program not found: missing\n"
            "exec 55 DROP program not found: " + std::string(300, 'x') + "\n"
            "exec 56 ok program: notepad\n");
  EXPECT_EQ(RunState.transferMode, kTransferMove);
  EXPECT_EQ(RunState.confirm, kConfirmOff);
  EXPECT_STREQ(UserMacros.value[0], "D:\\Proj");
  EXPECT_STREQ(Config.searchPath, "C:\\Tools;C:\\Bin");
  EXPECT_EQ(Config.menuPosition * 10000 + Config.menuX, kMenuAtCoordinates * 10000 + 1920);
  EXPECT_EQ(Config.menuY, 1080);
  EXPECT_STREQ(Config.filerPath, "C:\\Tools\\view.exe");
  EXPECT_STREQ(Config.filerParams, "/open=%P");
  EXPECT_STREQ(Config.editorPath, "C:\\Windows\\System32\\notepad.exe");
  EXPECT_STREQ(RunState.baseFolder, "C:\\Users\\me\\Desktop");
  std::string dir;
  for (int i = 0; i < DirEntries.count; ++i)
    dir += std::to_string(DirEntries.kind[i]) + "/" + std::to_string(DirEntries.level[i]) + " " +
           DirEntries.folder[i] + "|" + DirEntries.caption[i] + "\n";
  EXPECT_EQ(dir, "0/0 C:\\Work|&Work\n2/0 |\n8/0 |Pro&jects\n0/1 D:\\Proj\\Alpha|Alpha\n"
                 "0/1 D:\\Proj\\Beta.old|Beta\n9/1 |\n3/0 |\n0/0 E:|E:\\\n");
  EXPECT_EQ(Groups.count * 100 + Groups.direct * 10 + Groups.columnBreak, 211);
  EXPECT_EQ(Groups.plainName[0] + std::string("|") + Groups.plainName[1], "|A");
  EXPECT_EQ(Groups.memberCount[0] * 10 + Groups.memberCount[1], 1);
  ASSERT_EQ(ExecEntries.count, 2);
  EXPECT_STREQ(ExecEntries.params[0], "/files %M");
  EXPECT_STREQ(ExecEntries.caption[1], "notepad");
  EXPECT_STREQ(ExecEntries.params[1], "");
}

TEST_F(ConfigTest, SectionsMarkersEndsAndLimits) {
  // A marker inside a comment starts the section there; a last line without
  // line feed is never read; without %end [dir] runs into [group].
  ASSERT_EQ(load("[system]\n; see [dir]\nC:\\Work\n%END\n[dir]\nE:\\\n%end\nC:\\Work"), 1);
  EXPECT_EQ(DirEntries.count, 1);
  ASSERT_EQ(load("[dir]\nE:\\\n{S\n-\nD:\\Photos\n}\n+\n[group]\n{G\nD:\\Backup\n}\n%end\n"), 1);
  EXPECT_EQ(DirEntries.count, 8);  // E:, {S, Photos, }, +, {G, Backup, }
  EXPECT_EQ(DirEntries.kind[3] * 10 + DirEntries.kind[4], kDirSubmenuEnd * 10 + kDirSeparator);
  EXPECT_EQ(DirEntries.level[6], 1);
  EXPECT_EQ(Groups.count, 1);
  // "+" first under "{" is no separator; "}" at level 0 is a folder line;
  // the last section without %end is read to the end of the file and stops.
  ASSERT_EQ(load("[dir]\n{S\n+\n}\n}\nC:\\Work\n[group]\n@BREAK\n@break \n"), 1);
  EXPECT_EQ(DirEntries.count, 3);
  EXPECT_EQ(Groups.columnBreak, 1);

  std::string many = "[dir]\n", groups = "[group]\n";
  for (int i = 0; i < 1005; ++i) many += (i % 2) ? "+\n" : "C:\\Work\n";
  for (int g = 0; g < 11; ++g) {
    groups += "{G" + std::to_string(g) + "\n";
    for (int m = 0; m < 12; ++m) groups += "D:\\Backup\n";
    groups += "}\n";
  }
  ASSERT_EQ(load(many + "%end\n" + groups + "@direct\n%end\n"), 1);
  EXPECT_EQ(DirEntries.count, 1000);
  EXPECT_EQ(Groups.count * 100 + Groups.memberCount[9] * 10 + Groups.direct, 1100);
  EXPECT_NE(reports.find("DROP table full (1000 entries): C:\\Work"), std::string::npos);
  EXPECT_NE(reports.find("group full (10 members)"), std::string::npos);
  EXPECT_NE(reports.find("DROP table full (10 groups): @direct"), std::string::npos);

  // Overlong texts are cut to their fields; a folder too long is refused.
  std::string caption(400, 'c'), longFolder = "C:\\" + std::string(300, 'f');
  addFolder(longFolder);
  ASSERT_EQ(load("[system]\n@param\n" + std::string(30, 'n') + " | " + std::string(300, 'v') +
                 "\n%end\n[dir]\nC:\\Work | " + caption + "\n{" + caption + "\n" + longFolder +
                 "\n%end\n[exec]\nnotepad | " + caption + "\n>" + caption + "\n%end\n"), 1);
  EXPECT_EQ(strlen(UserMacros.name[0]) * 1000 + strlen(UserMacros.value[0]), 19259u);
  EXPECT_EQ(strlen(DirEntries.caption[1]), 259u);
  EXPECT_EQ(DirEntries.count, 2);
  EXPECT_EQ(strlen(ExecEntries.caption[0]) + strlen(ExecEntries.params[0]), 518u);
}

TEST_F(ConfigTest, MacrosOnlyWithParamInTheFileRead) {
  std::string text = "[system]\n@param\n";
  for (int i = 0; i < 11; ++i) text += "%m" + std::to_string(i) + "% | C:\\W" + std::to_string(i) + "\n";
  addFolder("C:\\W9");
  ASSERT_EQ(load(text + "%end\n[dir]\n%m9%\n%m10%\n%end\n"), 1);
  EXPECT_EQ(UserMacros.count, 10);  // the eleventh is an ordinary line
  EXPECT_STREQ(DirEntries.folder[0], "C:\\W9");
  EXPECT_EQ(DirEntries.count, 1);
  Config.menuPosition = kNotSet;
  ASSERT_EQ(load("[system]\n@param\n;x | y\n@menu=mous2\n%end\n"), 1);
  EXPECT_STREQ(UserMacros.name[0], ";x");
  EXPECT_EQ(Config.menuPosition, kMenuAtMouseCentred);
  addFolder("C:\\Work\\%m9%");
  ASSERT_EQ(load("[dir]\n%m9%\n%end\n"), 1);  // the last file's @param is gone
  EXPECT_STREQ(DirEntries.folder[0], "%m9%");  // as written, never C:\\W9
}

TEST_F(ConfigTest, MenuPositionValues) {
  struct Case {
    const char* value;
    int mouse, position, x, y;
  } cases[] = {
      {"mouse2", 3, kMenuAtMouse, 0, 0},     {"mous2", 3, kMenuAtMouseCentred, 0, 0},
      {"mouse", 0, kMenuAtActiveWindow, 0, 0}, {"10,max", 3, kMenuAtCoordinates, 10, 0},
      {"max,MAX", 3, kMenuAtCoordinates, 1024, 740}, {"-5,20,99", 3, kMenuAtCoordinates, -5, 20},
      {"300", 3, kMenuAtActiveWindow, 0, 0}, {"CENTER", 3, kMenuAtScreenCentre, 0, 0},
      {"1234567,2", 3, kMenuAtCoordinates, 123456, 2}, {"active", 3, kMenuAtActiveWindow, 0, 0}, {"mous2", 0, kMenuAtActiveWindow, 0, 0},
      {"mouse,5", 3, kMenuAtMouse, 0, 0},
  };
  for (const Case& c : cases) {
    Config.menuX = Config.menuY = 0;
    RunState.mouseButtons = c.mouse;
    parseMenuPosition((std::string(c.value) + "\r\n").c_str(), 0);
    EXPECT_EQ(Config.menuPosition, c.position) << c.value;
    EXPECT_EQ(Config.menuX * 10000 + Config.menuY, c.x * 10000 + c.y) << c.value;
  }
}

TEST_F(ConfigTest, ExecChoiceConfigFileChoiceAndDoubleBytes) {
  addFile("C:\\Tools\\ka.exe");
  RunState.execMode = kExecNamed;
  copyText(RunState.execName, kPathSize, "\x83\x6A");  // ニ 83 6A, not カ 83 4A
  ASSERT_EQ(load("[exec]\nC:\\Tools\\ka | \x83\x4A\n>%M\nC:\\Tools\\view | \x83\x6A\n>%-M\n%end\n"), 1);
  EXPECT_STREQ(RunState.execProgram, "C:\\Tools\\view.exe");
  EXPECT_STREQ(RunState.execParams, "%-M");
  copyText(RunState.execName, kPathSize, "\x83");  // a part of a name never matches
  ASSERT_EQ(load("[exec]\nC:\\Tools\\view | \x83\x6A\n%end\n"), 1);
  EXPECT_EQ(RunState.execMode, kExecNone);
  RunState.execMode = kExecFirst;
  ASSERT_EQ(load("[exec]\nC:\\Tools\\view\n>%M x\n%end\n"), 1);  // the only program
  EXPECT_EQ(RunState.execProgram + std::string("|") + RunState.execParams + "|" + RunState.execName,
            "C:\\Tools\\view.exe|%M x|view");
  RunState.presetDestination = 3;
  ASSERT_EQ(load("[exec]\nC:\\Tools\\view\n%end\n"), 1);
  EXPECT_EQ(RunState.execMode, kExecNone);

  // A missing named file falls back to the program's name, then Falvex.ini.
  copyText(RunState.configPath, kPathSize, "C:\\Prog\\gone.ini");
  copyText(RunState.defaultConfigName, kPathSize, "tool.ini");
  addFile("C:\\Prog\\tool.ini", "[dir]\nC:\\Work\n%end\n");
  ASSERT_EQ(loadConfiguration(nullptr), 1);
  EXPECT_EQ(RunState.configPath + std::to_string(DirEntries.count), "C:\\Prog\\tool.ini1");
}

// UTF-8 as Notepad saves it, with and without a BOM: a character the code
// page cannot hold names nothing; after a BOM, input that is not UTF-8
// drops its line only (without one, it makes the file ANSI).
TEST_F(ConfigTest, EncodingsReadAlike) {
  addFolder("D:\\\x8E\xCA\x90\x5E");  // 写真 in code page 932
  addFolder("D:\\cafe");                 // what best fit would make of café
  const std::string u8 = "[group]\n; caf\xC3\xA9\n{G\nD:\\\xE5\x86\x99\xE7\x9C\x9F\nD:\\caf\xC3\xA9\n}\n%end\n";
  for (const std::string& bytes : {u8, "\xEF\xBB\xBF" + u8.substr(0, u8.size() - 7) + "D:\\\xC3(\n}\n%end\n"}) {
    reports.clear();
    ASSERT_EQ(load(bytes), 1);
    ASSERT_EQ(Groups.memberCount[0], 1);
    EXPECT_STREQ(Groups.member[0][0], "D:\\\x8E\xCA\x90\x5E");
    EXPECT_NE(reports.find("comment: ; caf" + unheld("#")), std::string::npos);
    EXPECT_NE(reports.find("group 5 DROP holds a character the code page cannot hold: D:\\caf"), std::string::npos);
  }
  EXPECT_NE(reports.find("group 6 DROP not readable in the file's encoding: \x02" "D:\\("), std::string::npos);
}

TEST_F(ConfigTest, MacroExpansion) {
  fake().specialFolders[0x10] = "C:\\Users\\me\\DesktopDir";
  auto addMacro = [](const char* name, const char* value) {
    copyText(UserMacros.name[UserMacros.count], kMacroNameSize, name);
    copyText(UserMacros.value[UserMacros.count++], kPathSize, value);
  };
  for (auto m : {std::make_pair("%doc%", "D:\\Doc"), {"%b%", "B"}, {"%a%", "A%a%"},
                 {"%w%", "%Windows%\\x"}, {"", "never"}})
    addMacro(m.first, m.second);
  fake().month = 12;
  std::pair<const char*, const char*> cases[] = {
      {"%windows%\\T|%Desktop%|%DesktopDirectory%", "C:\\Windows\\T|C:\\Users\\me\\Desktop|C:\\Users\\me\\DesktopDir"},
      {"%Falvex%\\s|%Fonts%", "C:\\Prog\\s|%Fonts%"},
      {"%4y%\\%0m%\\%0d%|%2y%%mm%%dd%|%-m%|%-d%", "2008\\12\\05|08125|12| 5"},
      {"%DOC%;%doc%|%b%%a%|%a%-%a%", "D:\\Doc;D:\\Doc|BA%a%|A%a%-A%a%"},
      {"%w%|%Windows%", "%Windows%\\x|C:\\Windows"},
  };
  for (auto& c : cases) EXPECT_EQ(expandPathMacros(c.first), c.second) << c.first;
  fake().year = 7;
  fake().month = 3;
  EXPECT_EQ(expandPathMacros("%2y%/%-m%/%0m%"), "7/ 3/03");
  // Bounded and never looping: a program folder holding its own macro, many
  // expansions, a double-byte character at the limit.
  copyText(RunState.programFolder, kPathSize, "C:\\%Falvex%\\");
  EXPECT_EQ(expandPathMacros("%Falvex%|%falvex%"), "C:\\%Falvex%|C:\\%Falvex%");
  std::string many;
  for (int i = 0; i < 400; ++i) many += "%Windows%";
  EXPECT_EQ(expandPathMacros(many.c_str()).size(), kMacroTextLimit);
  EXPECT_EQ(expandPathMacros((std::string(3898, 'a') + "\x95\x5c").c_str()).size(), 3898u);
}

TEST_F(ConfigTest, ProgramLocatorAndSearchPathFile) {
  addFile("C:\\Work\\local.exe");
  addFile("D:\\Bin\\tool.exe");
  addFolder("C:\\Work\\dir");
  std::string path;
  EXPECT_TRUE(locateProgram("local", 1, &path) && path == "C:\\Work\\local.exe");
  EXPECT_FALSE(locateProgram("tool", 1, &path));
  EXPECT_EQ(path, "tool");
  copyText(Config.searchPath, kSearchPathSize, "C:\\None;D:\\Bin");
  Config.searchPathSet = 1;
  EXPECT_TRUE(locateProgram("tool", 1, &path) && path == "D:\\Bin\\tool.exe");
  EXPECT_FALSE(locateProgram("tool", 0, &path));
  EXPECT_TRUE(locateProgram("notepad", 1, &path) && path == "C:\\Windows\\System32\\notepad.exe");
  EXPECT_TRUE(locateProgram("dir", 0, &path));  // a folder counts as found
  std::pair<std::string, std::string> files[] = {
      {"rem x\r\nset PATH=C:\\Tools;\tD:\\Bin\r\nother\r\n", "C:\\Tools;D:\\Bin"},
      {"C:\\A;\r\nC:\\B\r\nC:\\C", "C:\\A;C:\\BC:\\C"},
      {"\xEF\xBB\xBFpath=C:\\\xE5\x86\x99\r\n", "C:\\\x8E\xCA"},
      {"path=" + std::string(6000, 'z'), std::string(5199, 'z')},
  };
  for (auto& f : files) {
    addFile("C:\\p.txt", f.first);
    readSearchPathFile("C:\\p.txt");
    EXPECT_EQ(Config.searchPath, f.second);
    EXPECT_EQ(Config.searchPathSet, 1);
  }
  addFile("C:\\p.txt", "");
  readSearchPathFile("C:\\p.txt");
  EXPECT_EQ(Config.searchPath + std::to_string(Config.searchPathSet), "0");
  Config.searchPathSet = 1;
  readSearchPathFile("C:\\missing.txt");
  EXPECT_EQ(Config.searchPathSet, 0);
  addFile("C:\\p.txt", "path=D:\\Bin");
  Config.searchPathSet = 0;
  ASSERT_EQ(load("[system]\n@path=C:\\p.txt\n@editor=tool\n%end\n"), 1);
  EXPECT_STREQ(Config.editorPath, "D:\\Bin\\tool.exe");
}
