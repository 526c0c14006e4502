#include "config/config_reader.h"
#include "config/path_macros.h"
#include "config/program_locator.h"
#include "tools/falvex_check.h"
#include "tests/test_support.h"

namespace {

// What the checker hears of each line: "section outcome what: line".
std::string reports;
void recordReport(const LineReport& r) {
  const char* outcome[] = {"ok", "skip", "DROP", "WARN"};
  reports += std::string(r.section) + " " + outcome[r.outcome] + " " + r.what + ": " + r.line;
  reports += "\n";
}

const char* kindName(int kind) {
  switch (kind) {
    case kDirFolder: return "folder";
    case kDirSeparator: return "separator";
    case kDirColumn: return "column";
    case kDirSubmenu: return "submenu";
    case kDirSubmenuEnd: return "end";
    case kDirLive: return "live";
  }
  return "unknown";
}

// What a load left in the tables, a line per entry, indented by its level.
std::string loaded() {
  std::ostringstream s;
  for (int i = 0; i < DirEntries.count; ++i) {
    s << std::string(2 * DirEntries.level[i], ' ') << kindName(DirEntries.kind[i]);
    if (DirEntries.folder[i][0]) s << " " << DirEntries.folder[i];
    if (DirEntries.caption[i][0]) s << " \"" << DirEntries.caption[i] << "\"";
    s << "\n";
  }
  for (int g = 0; g < Groups.count; ++g) {
    s << "group \"" << Groups.plainName[g] << "\"";
    for (int m = 0; m < Groups.memberCount[g]; ++m) s << " " << Groups.member[g][m];
    s << "\n";
  }
  for (int i = 0; i < ExecEntries.count; ++i) {
    s << "program " << ExecEntries.program[i] << " \"" << ExecEntries.caption[i] << "\"";
    if (ExecEntries.params[i][0]) s << " " << ExecEntries.params[i];
    s << "\n";
  }
  return s.str();
}

// A raw string starts on the line after its opening, for the reader.
std::string text(const char* raw) { return raw[0] == '\n' ? raw + 1 : raw; }

}  // namespace

class ConfigTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* folder : {"C:\\Work", "D:\\Proj\\Alpha", "D:\\Proj\\Beta.old", "E:\\",
                               "D:\\Photos", "D:\\Backup", "C:\\Users\\me\\Desktop"})
      addFolder(folder);
    addFile("C:\\Tools\\view.exe");
    addFile("C:\\Tools\\pack.bat");
    addFile("C:\\Windows\\System32\\notepad.exe");
    fake().specialFolders[0x00] = "C:\\Users\\me\\Desktop";
    fake().specialFolders[0x24] = "C:\\Windows";
    reports.clear();
    configLineObserver = recordReport;
  }
};

// Every kind of line, what it becomes and the reason the checker prints.
// Each row: a line of the file and the checker's report on it ("" for a
// line it says nothing about).
TEST_F(ConfigTest, EachLineAndItsReason) {
  addFile("C:\\Work\\" + std::string(300, 'x'));  // exists, but no path holds it
  const std::string longBase = "@base=" + std::string(300, 'b');
  const std::string longProgram = std::string(300, 'x');
  const std::pair<std::string, const char*> lines[] = {
      {"[system]", ""},
      {"@mode=move", "ok move mode"},
      {"@check=0\r", "ok confirmations off"},
      {"@param", "ok macros on"},
      {"%pj% | D:\\Proj", ""},  // a macro of @param's block
      {"@path=C:\\Tools;C:\\Bin",
       "WARN C:\\Bin: no such folder; programs are not looked for there"},
      {"@path=", "DROP empty value; programs are looked for as before"},
      {"@menu=1920,1080", "ok menu position"},
      {"@menu=center", "skip menu position already set"},
      {"@filer=view", "ok file manager"},
      {"; between", "skip comment"},
      {">/open=%P", "ok file manager parameters"},
      {"@editor=notepad", "ok editor"},
      {longBase, "DROP too long (300 characters; Windows allows 259)"},
      {"@base=" + std::string(3000, 'b'), "DROP too long (3006 characters; a line holds 517)"},
      {"@base=%Desktop%", "ok browser start folder"},
      {"@base=C:\\Work", "skip start folder already set"},
      {"@editor=C:\\Work",
       "DROP program not found; files open in the program the system gives them"},
      {"@unknown=1", "DROP unknown key"},
      {"%end", "skip end of section"},
      {"[dir]", ""},
      {"  C:\\Work | &Work", "ok folder"},
      {"+", "ok separator"},
      {"", "DROP folder does not exist"},
      {"{Pro&jects", "ok submenu"},
      {"%pj%\\Alpha", "ok folder"},
      {"%pj%\\Beta.old", "ok folder"},
      {"D:\\Photos|&Photos", "DROP a caption is set off by \" | \", a blank on each side"},
      {"}", "ok end of submenu"},
      {"-", "ok new column"},
      {" | Caption", "DROP folder does not exist"},
      {"{", "DROP folder does not exist"},
      {"E:\\", "ok folder"},
      {"%pj%\\* | &Live", "ok live folder"},
      {"D:\\Proj\\\x95\x5C*", "DROP folder does not exist"},  // 表*: no backslash before it
      {";note", "skip comment"},
      {"%end", "skip end of section"},
      {"[group]", ""},
      {"}", "ok end of group"},
      {"@direct", "ok groups in the main menu"},
      {"{A", "ok group"},
      {"D:\\Photos", "ok member"},
      {"}", "ok end of group"},
      {"D:\\Backup", "DROP outside any group"},
      {"@break", "ok groups in a new column"},
      {"%end", "skip end of section"},
      {"[exec]", ""},
      {"view | Viewer", "ok program"},
      {">/files %M", "ok program parameters"},
      {"D:\\Backup", "DROP program not found"},
      {">/x %M", "DROP parameters of the program line dropped above"},
      {"pack.bat | Pack", "ok program"},  // started through cmd.exe
      {">%-P %M", "WARN names with blanks arrive split; use \"%M\""},
      {"pack.bat | Quoted", "ok program"},
      {">\"%-P\" \"%M\"", "ok program parameters"},
      {longProgram, "DROP too long (300 characters; Windows allows 259)"},
      {"notepad", "ok program"},
      {";note", "DROP program not found"},  // this section knows no comments
  };
  std::string file, expected, section;
  for (const auto& [line, report] : lines) {
    file += line + "\n";
    if (line[0] == '[') section = line.substr(1, line.find(']') - 1);
    // The checker shows a line without its leading blanks and its CR.
    size_t start = std::min(line.find_first_not_of(' '), line.size());
    std::string shown = line.substr(start, line.find('\r') - start);
    if (report[0]) expected += section + " " + report + ": " + shown.substr(0, 517) + "\n";
  }
  ASSERT_EQ(load(file), 1);
  EXPECT_EQ(reports,
            expected + "exec WARN no %end: the section runs on to the end of the file: \n");
  EXPECT_EQ(loaded(), text(R"(
folder C:\Work "&Work"
separator
submenu "Pro&jects"
  folder D:\Proj\Alpha "Alpha"
  folder D:\Proj\Beta.old "Beta"
  end
column
folder E: "E:\"
live D:\Proj "&Live"
group ""
group "A" D:\Photos
program C:\Tools\view.exe "Viewer" /files %M
program C:\Tools\pack.bat "Pack" %-P %M
program C:\Tools\pack.bat "Quoted" "%-P" "%M"
program C:\Windows\System32\notepad.exe "notepad"
)"));
  EXPECT_EQ(RunState.transferMode, kTransferMove);
  EXPECT_EQ(RunState.confirm, kConfirmOff);
  EXPECT_EQ(Groups.direct, 1);
  EXPECT_EQ(Groups.columnBreak, 1);
  EXPECT_EQ(Config.menuPosition, kMenuAtCoordinates);
  EXPECT_EQ(Config.menuX, 1920);
  EXPECT_EQ(Config.menuY, 1080);
  EXPECT_STREQ(Config.searchPath, "C:\\Tools;C:\\Bin");
  EXPECT_STREQ(Config.filerPath, "C:\\Tools\\view.exe");
  EXPECT_STREQ(Config.filerParams, "/open=%P");
  EXPECT_STREQ(Config.editorPath, "C:\\Windows\\System32\\notepad.exe");
  EXPECT_STREQ(RunState.baseFolder, "C:\\Users\\me\\Desktop");
  // A file read again without them keeps none of those programs.
  ASSERT_EQ(load("[dir]\n%end\n"), 1);
  EXPECT_STREQ(Config.filerPath, "");
  EXPECT_STREQ(Config.filerParams, "");
  EXPECT_STREQ(Config.editorPath, "");
  reports.clear();
  ASSERT_EQ(load("[dir]\nC:\\Work\n{Open\n{Inner\nE:\\\n}\n%end\n"), 1);
  EXPECT_NE(reports.find("dir DROP the submenu begun at line 3 is never closed: %end"),
            std::string::npos) << reports;
  reports.clear();
  ASSERT_EQ(load("; x [dir]\nC:\\Work\n%end\n  C:\\Work"), 1);
  EXPECT_EQ(reports, "dir WARN the section's marker inside another line: the section starts "
                     "there: ; x [dir]\ndir ok folder: C:\\Work\ndir skip end of section: %end\n"
                     " WARN the last line has no line feed and is not read: C:\\Work\n");
}

// A value the reader cannot use is named with what happens instead, never
// called an unknown key. Each row: a [system] line alone and its report.
TEST_F(ConfigTest, ValuesThatMeanNothingAreNamed) {
  const std::pair<const char*, const char*> rows[] = {
      {"@menu=mause", "DROP mause: no position word; the menu opens at the active window"},
      {"@menu=ab", "DROP ab: fewer than 3 characters; the menu opens at the active window"},
      {"@menu=x,1", "DROP x: not a number; taken as 0"},
      {"@menu=10,y", "DROP y: not a number; taken as 0"},
      {"@menu=-5,MAX", "ok menu position"},
      {"@recent=abc", "DROP abc: not a number of folders; no recent list is kept"},
      {"@recent=50", "WARN 50: more than 20; 20 are kept"},
      {"@recent=0", "ok recent destinations off"},
      {"@recent=", "DROP empty value; no recent list is kept"},
      {"@mode=mvoe", "DROP mvoe: only \"move\" means something; the mode stays copy unless asked"},
      {"@check=0 ; off",
       "DROP 0 ; off: only \"0\" alone means something; the confirmations stay on"},
      {"@check", "DROP a known key without its \"=\" and value: not read"},
      {"@filer=nowhere", "DROP program not found; folders open in the system's file manager"},
  };
  for (const auto& [line, report] : rows) {
    reports.clear();
    Config.menuPosition = kNotSet;  // as no option set it
    ASSERT_EQ(load(std::string("[system]\n") + line + "\n%end\n"), 1);
    EXPECT_EQ(reports, std::string("system ") + report + ": " + line +
                           "\nsystem skip end of section: %end\n");
  }
}

// The tables stop when full, and the checker says so.
TEST_F(ConfigTest, FullTables) {
  std::string file = "[dir]\n";
  for (int i = 0; i < 1005; ++i) file += (i % 2) ? "+\n" : "C:\\Work\n";
  file += "%end\n[group]\n";
  for (int g = 0; g < 11; ++g) {
    file += "{G" + std::to_string(g) + "\n";
    for (int m = 0; m < 12; ++m) file += "D:\\Backup\n";  // two more than a group holds
    file += "}\n";
  }
  file += "@direct\n%end\n[exec]\n";
  for (int i = 0; i < 11; ++i) file += "notepad\n";
  ASSERT_EQ(load(file), 1);
  EXPECT_EQ(DirEntries.count, 1000);
  EXPECT_EQ(Groups.count, 10);
  EXPECT_EQ(Groups.memberCount[9], 10);
  for (const char* full : {"DROP table full (1000 entries): C:\\Work", "group full (10 members)",
                           "DROP table full (10 groups): @direct",
                           "DROP table full (10 programs), section ends: notepad"})
    EXPECT_NE(reports.find(full), std::string::npos) << full;
}

// User macros exist only while the file that declares them with @param is
// read, ten at the most.
TEST_F(ConfigTest, MacrosOnlyWithParamInTheFileRead) {
  std::string text = "[system]\n@param\n";
  for (int i = 0; i < 11; ++i) {
    std::string n = std::to_string(i);
    text += "%m" + n + "% | C:\\W" + n + "\n";
  }
  addFolder("C:\\W9");
  ASSERT_EQ(load(text + "%end\n[dir]\n%m9%\n%m10%\n%end\n"), 1);
  EXPECT_EQ(UserMacros.count, 10);  // the eleventh is an ordinary line
  EXPECT_EQ(loaded(), "folder C:\\W9 \"W9\"\n");
  addFolder("C:\\Work\\%m9%");
  ASSERT_EQ(load("[dir]\n%m9%\n%end\n"), 1);  // the last file's @param is gone
  EXPECT_EQ(loaded(), "folder %m9% \"%m9%\"\n");  // as written
  // A macro named like a key changes the line, not the key's value.
  ASSERT_EQ(load("[system]\n@param\n@editor=notepad | \n@editor=notepad\n%end\n"), 1);
  EXPECT_STREQ(Config.editorPath, "C:\\Windows\\System32\\notepad.exe");
}

// Each row: a text and what it expands to. Then the limits that keep an
// expansion bounded.
TEST_F(ConfigTest, MacroExpansion) {
  fake().specialFolders[0x10] = "C:\\Users\\me\\DesktopDir";
  const std::pair<const char*, const char*> macros[] = {
      {"%doc%", "D:\\Doc"}, {"%b%", "B"}, {"%a%", "A%a%"}};
  for (const auto& [name, value] : macros) {
    copyText(UserMacros.name[UserMacros.count], kMacroNameSize, name);
    copyText(UserMacros.value[UserMacros.count], kPathSize, value);
    UserMacros.count++;
  }
  fake().month = 12;
  struct Case {
    const char* what;
    const char* text;
    const char* expanded;
  } cases[] = {
      {"special folders, any case", "%windows%\\T|%Desktop%|%DesktopDirectory%",
       "C:\\Windows\\T|C:\\Users\\me\\Desktop|C:\\Users\\me\\DesktopDir"},
      {"the program folder; a folder the system lacks stays", "%Falvex%\\s|%Fonts%",
       "C:\\Prog\\s|%Fonts%"},
      {"the date in each form", "%4y%\\%0m%\\%0d%|%2y%%mm%%dd%|%-m%|%-d%",
       "2008\\12\\05|08125|12| 5"},
      {"user macros, any case; one holding itself is expanded once", "%DOC%;%doc%|%b%%a%|%a%-%a%",
       "D:\\Doc;D:\\Doc|BA%a%|A%a%-A%a%"},
  };
  for (const Case& c : cases) EXPECT_EQ(expandPathMacros(c.text), c.expanded) << c.what;

  // Bounded and never looping: a program folder holding its own macro, many
  // expansions, a double-byte character at the limit.
  copyText(RunState.programFolder, kPathSize, "C:\\%Falvex%\\");
  EXPECT_EQ(expandPathMacros("%Falvex%|%falvex%"), "C:\\%Falvex%|C:\\%Falvex%");
  std::string many;
  for (int i = 0; i < 800; ++i) many += "%doc%";
  EXPECT_EQ(expandPathMacros(many.c_str()).size(), kMacroTextLimit);
  // A double-byte character is one character of the limit, never cut.
  EXPECT_EQ(expandPathMacros((std::string(3898, 'a') + "\x95\x5c").c_str()).size(), 3900u);
  EXPECT_EQ(expandPathMacros((std::string(3899, 'a') + "\x95\x5c").c_str()).size(), 3899u);
}

// Each name is the shell's special folder of its documented CSIDL number.
TEST_F(ConfigTest, SpecialFolderNumbers) {
  const std::pair<const char*, int> folders[] = {
      {"%Windows%", 0x24}, {"%Program Files%", 0x26}, {"%System%", 0x25},
      {"%My Pictures%", 0x27}, {"%My Music%", 0x0D}, {"%My Video%", 0x0E},
      {"%My Documents%", 0x05}, {"%Favorites%", 0x06}, {"%Start Menu%", 0x0B},
      {"%Programs%", 0x02}, {"%StartUp%", 0x07}, {"%SendTo%", 0x09},
      {"%Internet Cache%", 0x20}, {"%Fonts%", 0x14}, {"%Cookies%", 0x21},
      {"%History%", 0x22}, {"%Desktop%", 0x00}, {"%DesktopDirectory%", 0x10},
      {"%Recent%", 0x08}, {"%Common Start Menu%", 0x16}, {"%Common Programs%", 0x17},
      {"%Common StartUp%", 0x18}, {"%Common Desktop%", 0x19}, {"%Common Favorites%", 0x1F},
      {"%Common My Documents%", 0x2E}, {"%Common My Pictures%", 0x36},
      {"%Common My Music%", 0x35}, {"%Common My Video%", 0x37},
  };
  for (int csidl = 0; csidl < 0x40; ++csidl)
    fake().specialFolders[csidl] = "#" + std::to_string(csidl);
  for (const auto& [macro, csidl] : folders)
    EXPECT_EQ(expandPathMacros(macro), "#" + std::to_string(csidl)) << macro;
}

// @path= naming a file reads the search path from it. Each row: the file
// and the search path it gives.
TEST_F(ConfigTest, SearchPathFile) {
  addFile("D:\\Bin\\tool.exe");
  struct Case {
    const char* what;
    std::string file, searchPath;
  } cases[] = {
      {"the text after path= to the line's end, tabs out",
       "rem x\r\nset PATH=C:\\Tools;\tD:\\Bin\r\nother\r\n",
       "C:\\Tools;D:\\Bin"},
      {"without path=, every line joined", "C:\\A;\r\nC:\\B\r\nC:\\C", "C:\\A;C:\\BC:\\C"},
      {"a part past the field's size left out whole, never cut",
       "C:\\A;\r\n" + std::string(6000, 'z'), "C:\\A;"},
  };
  for (const Case& c : cases) {
    addFile("C:\\p.txt", c.file);
    readSearchPathFile("C:\\p.txt");
    EXPECT_STREQ(Config.searchPath, c.searchPath.c_str()) << c.what;
    EXPECT_EQ(Config.searchPathSet, 1) << c.what;
  }
  addFile("C:\\p.txt", "path=D:\\Bin");
  ASSERT_EQ(load("[system]\n@path=C:\\p.txt\n@editor=tool\n%end\n"), 1);
  EXPECT_STREQ(Config.editorPath, "D:\\Bin\\tool.exe") << "a program found through the file";
  EXPECT_NE(reports.find("system ok search path file: @path=C:\\p.txt"), std::string::npos)
      << reports;
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

// Whatever the encoding, a line names only what it says: a character the
// code page cannot hold names that very character, input the encoding
// cannot give drops its line, and a NUL neither cuts a line into the name of another folder
// nor hides the rest of the file. Each row: the file, a line of the
// checker's report, and what the tables hold afterwards.
TEST_F(ConfigTest, WhatEachEncodingGives) {
  addFolder("D:\\\x8E\xCA\x90\x5E");  // 写真 in code page 932
  addFolder("D:\\cafe");                // what best fit would make of café
  addFolder(unheld("D:\\caf#"));
  addFolder("D:\\d");                   // what a member cut at its NUL would name
  const std::string group = "[group]\n{G\nD:\\\xE5\x86\x99\xE7\x9C\x9F\nD:\\caf\xC3\xA9\n}\n%end\n";
  const std::string member = "[group]\n{G\nD:\\d" + kNul + "ummy\nD:\\Photos\n}\n%end\n";
  const std::string unreadable = "DROP not readable in the file's encoding: \x02";
  struct Case {
    const char* what;
    std::string file, report, tables;
    int codePage = 932;
  } cases[] = {
      {"UTF-8 as Notepad saves it: café names café, never cafe", group,
       "ok member: D:\\caf" + unheld("#"),
       "group \"G\" D:\\\x8E\xCA\x90\x5E D:\\caf" + unheld("#") + "\n"},
      {"after a BOM, bytes that are not UTF-8 drop their line only",
       "\xEF\xBB\xBF[group]\n{G\nD:\\\xC3(\nD:\\Photos\n}\n%end\n",
       unreadable + "D:\\(", "group \"G\" D:\\Photos\n"},
      {"a NUL inside a member, ANSI", member, unreadable + "D:\\dummy", "group \"G\" D:\\Photos\n"},
      {"a NUL inside a member, UTF-16", utf16le(member), unreadable + "D:\\dummy",
       "group \"G\" D:\\Photos\n"},
      {"a NUL before the markers hides nothing", kNul + "\n[dir]\nC:\\Work\n%end\n",
       "ok folder: C:\\Work", "folder C:\\Work \"Work\"\n"},
      {"a line saved in another code page where it is UTF-8: dropped, never guessed",
       "[group]\n{G\nD:\\caf\xE9\nD:\\Photos\n}\n%end\n", unreadable + "D:\\caf",
       "group \"G\" D:\\Photos\n", 65001},
  };
  addFolder("D:\\caf\xEF\xBF\xBD");  // what a guess of that byte would name
  for (const Case& c : cases) {
    fake().codePage = c.codePage;
    reports.clear();
    ASSERT_EQ(load(c.file), 1) << c.what;
    EXPECT_NE(reports.find(c.report), std::string::npos) << c.what << "\n" << reports;
    EXPECT_EQ(loaded(), c.tables) << c.what;
  }
}

// A look-up that gives a name the code page cannot hold finds that very
// folder or program, never its best-fit look-alike.
TEST_F(ConfigTest, LookUpsThatGiveUnheldNamesFindThem) {
  addFile(unheld("C:\\Caf#\\tool.exe"));
  addFile("C:\\Cafe\\tool.exe");  // the best-fit look-alike
  fake().specialFolders[0x05] = unheld("C:\\Caf#");
  fake().systemSearchPath = unheld("C:\\Caf#");
  ASSERT_EQ(load("[system]\n@param\n%end\n[dir]\n%My Documents%\n%end\n[exec]\ntool\n%end\n"), 1);
  EXPECT_EQ(loaded(),
            "folder " + unheld("C:\\Caf# \"Caf#\"\nprogram C:\\Caf#\\tool.exe \"tool\"\n"))
      << reports;
}

// falvex-check's own words: its usage when asked or given nothing, a
// character beyond the code page's as the one character it is, and the
// reasons' column as wide as the longest reason, so the lines stay aligned.
TEST_F(ConfigTest, TheCheckersOwnWords) {
  for (const char* asked : {"/?", "-h", "--help", ""}) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(runFalvexCheck(asked), asked[0] ? 0 : 2) << asked;
    EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("Usage: falvex-check FILE\n", 0), 0u)
        << asked;
  }
  // A file the code page cannot name is checked, never its look-alike.
  addFile(unheld("C:\\Prog\\#.ini"), "[dir]\nC:\\Work\nD:\\\xF0\x9F\x93\x81\n%end\n");  // UTF-8 📁
  testing::internal::CaptureStdout();
  EXPECT_EQ(runFalvexCheck(unheld("C:\\Prog\\#.ini").c_str()), 1);
  std::string said = testing::internal::GetCapturedStdout();
  EXPECT_NE(said.find("dir       2  ok       folder                 C:\\Work\n"),
            std::string::npos) << said;
  EXPECT_NE(said.find("dir       3  DROPPED  folder does not exist  D:\\\xF0\x9F\x93\x81\n"),
            std::string::npos) << said;
  // An ANSI line shows the bytes the file holds: a mark's byte as itself, a
  // lone lead byte as itself, each report line ended.
  addFile("C:\\Prog\\a.ini", "[dir]\nC:\\W\x01" "0041\nD:\\\x81\n%end\n");
  testing::internal::CaptureStdout();
  EXPECT_EQ(runFalvexCheck("C:\\Prog\\a.ini"), 1);
  said = testing::internal::GetCapturedStdout();
  EXPECT_NE(said.find("encoding  C:\\W<01>0041\n"), std::string::npos) << said;
  EXPECT_NE(said.find("encoding  D:\\<81>\n"), std::string::npos) << said;
}
