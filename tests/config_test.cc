#include "config/config_reader.h"
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

// What a load left in the tables, a line per entry.
std::string loaded() {
  std::ostringstream s;
  for (int i = 0; i < DirEntries.count; ++i)
    s << DirEntries.kind[i] << "/" << DirEntries.level[i] << " " << DirEntries.folder[i] << "|"
      << DirEntries.caption[i] << "\n";
  for (int g = 0; g < Groups.count; ++g) {
    s << "{" << Groups.plainName[g];
    for (int m = 0; m < Groups.memberCount[g]; ++m) s << " " << Groups.member[g][m];
    s << "\n";
  }
  for (int i = 0; i < ExecEntries.count; ++i)
    s << "exec " << ExecEntries.program[i] << "|" << ExecEntries.caption[i] << "|" << ExecEntries.params[i] << "\n";
  return s.str();
}

}  // namespace

class ConfigTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* f : {"C:\\Work", "D:\\Proj\\Alpha", "D:\\Proj\\Beta.old", "E:\\", "D:\\Photos",
                          "D:\\Backup", "C:\\Users\\me\\Desktop"})
      addFolder(f);
    for (const char* f : {"C:\\Tools\\view.exe", "C:\\Windows\\System32\\notepad.exe"}) addFile(f);
    fake().specialFolders[0x00] = "C:\\Users\\me\\Desktop";
    fake().specialFolders[0x24] = "C:\\Windows";
    reports.clear();
    configLineObserver = recordReport;
  }
};

// Every kind of line, what it becomes and the reason the checker prints.
TEST_F(ConfigTest, EachLineAndItsReason) {
  addFile("C:\\Work\\" + std::string(300, 'x'));  // exists, but no path holds it
  ASSERT_EQ(load("; settings\n[system]\n@mode=move\n@check=0\r\n@param\n%pj% | D:\\Proj\n"
                 "; after the macros\n@path=C:\\Tools;C:\\Bin\n@path=\n@menu=ab\n@menu=1920,1080\n"
                 "@menu=center\n>stray\n@filer=view\n; between\n>/open=%P\n@editor=notepad\n"
                 "@base=D:\\Nowhere\n@base=" + std::string(600, 'b') + "\n@base=%Desktop%\n@base=C:\\Work\n@editor=C:\\Work\n@unknown=1\n%end\n"
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
            "system 19 DROP folder does not exist: @base=" + std::string(511, 'b') + "\n"
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
  EXPECT_EQ(loaded(), "0/0 C:\\Work|&Work\n2/0 |\n8/0 |Pro&jects\n0/1 D:\\Proj\\Alpha|Alpha\n"
                      "0/1 D:\\Proj\\Beta.old|Beta\n9/1 |\n3/0 |\n0/0 E:|E:\\\n{\n{A D:\\Photos\n"
                      "exec C:\\Tools\\view.exe|Viewer|/files %M\n"
                      "exec C:\\Windows\\System32\\notepad.exe|notepad|\n");
  std::ostringstream settings;
  settings << RunState.transferMode << RunState.confirm << Groups.direct << Groups.columnBreak << " "
           << Config.menuPosition << ":" << Config.menuX << "," << Config.menuY << " " << Config.searchPath << " "
           << Config.filerPath << " " << Config.filerParams << " " << Config.editorPath << " " << RunState.baseFolder;
  EXPECT_EQ(settings.str(), "1011 1:1920,1080 C:\\Tools;C:\\Bin C:\\Tools\\view.exe /open=%P "
                            "C:\\Windows\\System32\\notepad.exe C:\\Users\\me\\Desktop");
}

// A marker inside a comment starts the section; a last line without a line
// feed is never read; a section without %end runs into the next one, and the
// last one to the end of the file. The tables stop when full.
TEST_F(ConfigTest, SectionEndsAndFullTables) {
  ASSERT_EQ(load("[system]\n; see [dir]\nC:\\Work\n%END\n[dir]\nE:\\\n%end\n[exec]\nnotepad\nC:\\Tools\\view\n>%M"), 1);
  EXPECT_EQ(loaded(), "0/0 C:\\Work|Work\nexec C:\\Windows\\System32\\notepad.exe|notepad|\nexec C:\\Tools\\view.exe|view|\n");
  // "+" first under "{" is no separator; "}" at level 0 is a folder line.
  ASSERT_EQ(load("[dir]\nE:\\\n{S\n+\n}\n}\n[group]\n{G\nD:\\Backup\n}\n%end\n"), 1);
  EXPECT_EQ(loaded(), "0/0 E:|E:\\\n8/0 |S\n9/1 |\n8/0 |G\n0/1 D:\\Backup|Backup\n9/1 |\n{G D:\\Backup\n");
  std::string many = "[dir]\n", groups = "[group]\n";
  for (int i = 0; i < 1005; ++i) many += (i % 2) ? "+\n" : "C:\\Work\n";
  std::string members;  // two more than a group holds
  for (int m = 0; m < 12; ++m) members += "D:\\Backup\n";
  for (int g = 0; g < 11; ++g) groups += "{G" + std::to_string(g) + "\n" + members + "}\n";
  std::string programs = "[exec]\n";
  for (int i = 0; i < 11; ++i) programs += "notepad\n";
  ASSERT_EQ(load(many + "%end\n" + groups + "@direct\n%end\n" + programs), 1);
  EXPECT_EQ(DirEntries.count * 1000 + Groups.count * 100 + Groups.memberCount[9] * 10 + Groups.direct, 1001100);
  for (const char* full : {"DROP table full (1000 entries): C:\\Work", "group full (10 members)",
                           "DROP table full (10 groups): @direct", "DROP table full (10 programs), section ends: notepad"})
    EXPECT_NE(reports.find(full), std::string::npos) << full;
}

TEST_F(ConfigTest, MacrosOnlyWithParamInTheFileRead) {
  std::string text = "[system]\n@param\n";
  for (int i = 0; i < 11; ++i) text += "%m" + std::to_string(i) + "% | C:\\W" + std::to_string(i) + "\n";
  addFolder("C:\\W9");
  ASSERT_EQ(load(text + "%end\n[dir]\n%m9%\n%m10%\n%end\n"), 1);
  EXPECT_EQ(UserMacros.count, 10);  // the eleventh is an ordinary line
  EXPECT_EQ(loaded(), "0/0 C:\\W9|W9\n");
  addFolder("C:\\Work\\%m9%");
  ASSERT_EQ(load("[dir]\n%m9%\n%end\n"), 1);  // the last file's @param is gone
  EXPECT_EQ(loaded(), "0/0 %m9%|%m9%\n");  // as written
}

TEST_F(ConfigTest, EncodingsAndConfigFileFallback) {

  // UTF-8 as Notepad saves it, with and without a BOM: a character the code
  // page cannot hold names nothing; after a BOM, input that is not UTF-8
  // drops its line only (without one, it makes the file ANSI).
  addFolder("D:\\\x8E\xCA\x90\x5E");  // 写真 in code page 932
  addFolder("D:\\cafe");                 // what best fit would make of café
  const std::string u8 = "[group]\n; caf\xC3\xA9\n{G\nD:\\\xE5\x86\x99\xE7\x9C\x9F\nD:\\caf\xC3\xA9\n}\n%end\n";
  for (const std::string& bytes : {u8, "\xEF\xBB\xBF" + u8.substr(0, u8.size() - 7) + "D:\\\xC3(\n}\n%end\n"}) {
    reports.clear();
    ASSERT_EQ(load(bytes), 1);
    EXPECT_EQ(loaded(), "{G D:\\\x8E\xCA\x90\x5E\n");
    EXPECT_NE(reports.find("comment: ; caf" + unheld("#")), std::string::npos);
  }
  EXPECT_NE(reports.find("group 6 DROP not readable in the file's encoding: \x02" "D:\\("), std::string::npos);

  // A missing named file falls back to the program's name, then Falvex.ini.
  copyText(RunState.configPath, kPathSize, "C:\\Prog\\gone.ini");
  copyText(RunState.defaultConfigName, kPathSize, "tool.ini");
  addFile("C:\\Prog\\tool.ini", "[dir]\nC:\\Work\n%end\n");
  ASSERT_EQ(loadConfiguration(nullptr), 1);
  EXPECT_EQ(RunState.configPath + std::to_string(DirEntries.count), "C:\\Prog\\tool.ini1");
}

TEST_F(ConfigTest, MacroExpansion) {
  fake().specialFolders[0x10] = "C:\\Users\\me\\DesktopDir";
  for (auto m : {std::make_pair("%doc%", "D:\\Doc"), {"%b%", "B"}, {"%a%", "A%a%"}, {"%w%", "%Windows%\\x"}}) {
    copyText(UserMacros.name[UserMacros.count], kMacroNameSize, m.first);
    copyText(UserMacros.value[UserMacros.count++], kPathSize, m.second);
  }
  fake().month = 12;
  std::pair<const char*, const char*> cases[] = {
      {"%windows%\\T|%Desktop%|%DesktopDirectory%", "C:\\Windows\\T|C:\\Users\\me\\Desktop|C:\\Users\\me\\DesktopDir"},
      {"%Falvex%\\s|%Fonts%", "C:\\Prog\\s|%Fonts%"},
      {"%4y%\\%0m%\\%0d%|%2y%%mm%%dd%|%-m%|%-d%", "2008\\12\\05|08125|12| 5"},
      {"%DOC%;%doc%|%b%%a%|%a%-%a%", "D:\\Doc;D:\\Doc|BA%a%|A%a%-A%a%"},
      {"%w%|%Windows%", "%Windows%\\x|C:\\Windows"},
  };
  for (auto& c : cases) EXPECT_EQ(expandPathMacros(c.first), c.second) << c.first;
  // Bounded and never looping: a program folder holding its own macro, many
  // expansions, a double-byte character at the limit.
  copyText(RunState.programFolder, kPathSize, "C:\\%Falvex%\\");
  EXPECT_EQ(expandPathMacros("%Falvex%|%falvex%"), "C:\\%Falvex%|C:\\%Falvex%");
  std::string many, docs;
  for (int i = 0; i < 800; ++i) many += "%Windows%", docs += "%doc%";
  EXPECT_EQ(expandPathMacros(many.c_str()).size(), kMacroTextLimit);
  EXPECT_EQ(expandPathMacros(docs.c_str()).size(), kMacroTextLimit);
  EXPECT_EQ(expandPathMacros((std::string(3898, 'a') + "\x95\x5c").c_str()).size(), 3898u);
  // Each name is the shell's special folder of its documented CSIDL number.
  for (int csidl = 0; csidl < 0x40; ++csidl) fake().specialFolders[csidl] = std::to_string(csidl);
  EXPECT_EQ(expandPathMacros("%Windows%,%Program Files%,%System%,%My Pictures%,%My Music%,%My Video%,%My Documents%,"
                             "%Favorites%,%Start Menu%,%Programs%,%StartUp%,%SendTo%,%Internet Cache%,%Fonts%,"
                             "%Cookies%,%History%,%Desktop%,%DesktopDirectory%,%Recent%,%Common Start Menu%,"
                             "%Common Programs%,%Common StartUp%,%Common Desktop%,%Common Favorites%,"
                             "%Common My Documents%,%Common My Pictures%,%Common My Music%,%Common My Video%"),
            "36,38,37,39,13,14,5,6,11,2,7,9,32,20,33,34,0,16,8,22,23,24,25,31,46,54,53,55");
}

TEST_F(ConfigTest, SearchPathFile) {
  addFile("D:\\Bin\\tool.exe");
  std::pair<std::string, std::string> files[] = {
      {"rem x\r\nset PATH=C:\\Tools;\tD:\\Bin\r\nother\r\n", "C:\\Tools;D:\\Bin1"},
      {"C:\\A;\r\nC:\\B\r\nC:\\C", "C:\\A;C:\\BC:\\C1"},
      {"\xEF\xBB\xBFpath=C:\\\xE5\x86\x99\r\n", "C:\\\x8E\xCA" "1"},
      {"path=" + std::string(6000, 'z'), std::string(5199, 'z') + "1"},
      {"", "0"},
  };
  for (auto& f : files) {
    addFile("C:\\p.txt", f.first);
    readSearchPathFile("C:\\p.txt");
    EXPECT_EQ(Config.searchPath + std::to_string(Config.searchPathSet), f.second);
  }
  addFile("C:\\p.txt", "path=D:\\Bin");
  ASSERT_EQ(load("[system]\n@path=C:\\p.txt\n@editor=tool\n%end\n"), 1);
  EXPECT_STREQ(Config.editorPath, "D:\\Bin\\tool.exe");
}

namespace {

// The text as a UTF-16 LE file, with its byte-order mark.
std::string utf16le(const std::string& ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) out += std::string(1, c) + '\0';
  return out;
}

const std::string kNul(1, '\0');

}  // namespace

// A NUL byte neither cuts a line into the name of another folder nor hides
// the rest of the file; a macro or a look-up that gives a name the code page
// cannot hold drops its line. Each row: the file, the line's report, and
// what the tables hold afterwards.
TEST_F(ConfigTest, LinesThatWouldNameAnotherFolderAreDropped) {
  addFolder("D:\\d");  // what a member cut at its NUL would name
  addFile(unheld("C:\\Caf#\\tool.exe"));
  addFile("C:\\Cafe\\tool.exe");  // the best-fit look-alike
  fake().specialFolders[0x05] = unheld("C:\\Caf#");
  const std::string member = "[group]\n{G\nD:\\d" + kNul + "ummy\nD:\\Photos\n}\n%end\n";
  const std::string dropped = "DROP not readable in the file's encoding: \x02";
  struct Case {
    const char* what;
    std::string file, report, tables;
  } cases[] = {
      {"a NUL inside a member, ANSI", member,
       dropped + "D:\\dummy", "{G D:\\Photos\n"},
      {"a NUL inside a member, UTF-8", "; caf\xC3\xA9\n" + member,
       dropped + "D:\\dummy", "{G D:\\Photos\n"},
      {"a NUL inside a member, UTF-16", utf16le(member),
       dropped + "D:\\dummy", "{G D:\\Photos\n"},
      {"a NUL before the markers hides nothing", kNul + "\n[dir]\nC:\\Work\n%end\n",
       "ok folder: C:\\Work", "0/0 C:\\Work|Work\n"},
      {"a NUL unit before the markers, UTF-16", utf16le(kNul + "\n[dir]\nC:\\Work\n%end\n"),
       "ok folder: C:\\Work", "0/0 C:\\Work|Work\n"},
      {"a special folder the code page cannot hold",
       "[system]\n@param\n%end\n[dir]\n%My Documents%\n%end\n",
       "DROP holds a character the code page cannot hold: %My Documents%", ""},
      {"a program in a current folder the code page cannot hold", "[exec]\ntool\n%end\n",
       "DROP program not found: tool", ""},
  };
  for (const Case& c : cases) {
    fake().currentFolder = unheld("C:\\Caf#");
    reports.clear();
    ASSERT_EQ(load(c.file), 1) << c.what;
    EXPECT_NE(reports.find(c.report), std::string::npos) << c.what << "\n" << reports;
    EXPECT_EQ(loaded(), c.tables) << c.what;
  }

  // The system's search order through a folder the code page cannot hold.
  fake().currentFolder = "C:\\Work";
  fake().systemSearchPath = unheld("C:\\Caf#");
  std::string path;
  EXPECT_FALSE(locateProgram("tool", 1, &path));
  EXPECT_EQ(path, "tool");
  fake().systemSearchPath = "C:\\Cafe";
  EXPECT_TRUE(locateProgram("tool", 1, &path));
  EXPECT_EQ(path, "C:\\Cafe\\tool.exe");

  // A search path file: a line that the file's encoding cannot give is left
  // out, not cut at its NUL.
  addFile("C:\\p.txt", "C:\\A" + kNul + "x;\r\nC:\\B;\r\n");
  readSearchPathFile("C:\\p.txt");
  EXPECT_STREQ(Config.searchPath, "C:\\B;");
}
