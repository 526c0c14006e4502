#include "config/path_macros.h"

#include "config/program_locator.h"
#include "tests/test_support.h"

class MacroTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    fake().specialFolders[0x24] = "C:\\Windows";
    fake().specialFolders[0x00] = "C:\\Users\\me\\Desktop";
    fake().specialFolders[0x10] = "C:\\Users\\me\\DesktopDir";
  }
  void addMacro(const char* name, const char* value) {
    copyText(UserMacros.name[UserMacros.count], kMacroNameSize, name);
    copyText(UserMacros.value[UserMacros.count++], kPathSize, value);
  }
};

TEST_F(MacroTest, FoldersAndProgramFolder) {
  EXPECT_EQ(expandPathMacros("%windows%\\Temp"), "C:\\Windows\\Temp");
  EXPECT_EQ(expandPathMacros("%Desktop%|%DesktopDirectory%"),
            "C:\\Users\\me\\Desktop|C:\\Users\\me\\DesktopDir");
  EXPECT_EQ(expandPathMacros("%Falvex%\\sub"), "C:\\Prog\\sub");
  EXPECT_EQ(expandPathMacros("%Fonts%\\x"), "%Fonts%\\x");  // not reported
  EXPECT_EQ(expandPathMacros("plain text"), "plain text");
}

TEST_F(MacroTest, DateParts) {
  EXPECT_EQ(expandPathMacros("%4y%\\%0m%\\%0d%"), "2008\\03\\05");
  EXPECT_EQ(expandPathMacros("%2y%%mm%%dd%"), "0835");
  EXPECT_EQ(expandPathMacros("%-m%|%-d%|%4Y%-%4y%"), " 3| 5|2008-2008");
  fake().year = 7;
  fake().month = 12;
  EXPECT_EQ(expandPathMacros("%2y%/%-m%"), "7/12");
}

TEST_F(MacroTest, UserMacrosInOrderWithoutRepeatingThemselves) {
  addMacro("%doc%", "D:\\Documents");
  addMacro("%b%", "B");
  addMacro("%a%", "A%a%");
  addMacro("%w%", "%Windows%\\x");
  addMacro("", "never");
  EXPECT_EQ(expandPathMacros("%DOC%\\a;%doc%\\b"), "D:\\Documents\\a;D:\\Documents\\b");
  EXPECT_EQ(expandPathMacros("%b%%a%"), "BA%a%");
  EXPECT_EQ(expandPathMacros("%a%-%a%"), "A%a%-A%a%");
  EXPECT_EQ(expandPathMacros("%w%"), "%Windows%\\x");
  EXPECT_EQ(expandPathMacros("%Windows%"), "C:\\Windows");
}

TEST_F(MacroTest, ResultsStayWithinTheLimitAndNeverLoop) {
  // A program folder holding its own macro is inserted once per occurrence.
  copyText(RunState.programFolder, kPathSize, "C:\\%Falvex%\\");
  EXPECT_EQ(expandPathMacros("%Falvex%|%falvex%"), "C:\\%Falvex%|C:\\%Falvex%");

  std::string many;
  for (int i = 0; i < 400; ++i) many += "%Windows%";
  std::string out = expandPathMacros(many.c_str());
  EXPECT_EQ(out.size(), kMacroTextLimit);

  addMacro("x", std::string(259, 'y').c_str());
  out = expandPathMacros(std::string(3000, 'x').c_str());
  EXPECT_EQ(out.size(), kMacroTextLimit);
  EXPECT_EQ(out.find('x'), std::string::npos);

  // A double-byte character is never cut in half at the limit.
  std::string wide = std::string(3898, 'a') + "\x95\x5c";
  EXPECT_EQ(expandPathMacros(wide.c_str()).size(), 3898u);
}

using LocatorTest = FalvexTest;

TEST_F(LocatorTest, FindsAsWrittenThenSearchPathThenSystem) {
  addFile("C:\\Work\\local.exe");
  addFile("D:\\Bin\\tool.exe");
  addFile("C:\\Windows\\System32\\notepad.exe");
  std::string path;
  EXPECT_TRUE(locateProgram("local", 1, &path));
  EXPECT_EQ(path, "C:\\Work\\local.exe");
  EXPECT_FALSE(locateProgram("tool", 1, &path));
  EXPECT_EQ(path, "tool");
  copyText(Config.searchPath, kSearchPathSize, "C:\\None;D:\\Bin");
  Config.searchPathSet = 1;
  EXPECT_TRUE(locateProgram("tool", 1, &path));
  EXPECT_EQ(path, "D:\\Bin\\tool.exe");
  EXPECT_FALSE(locateProgram("tool", 0, &path));
  EXPECT_TRUE(locateProgram("notepad", 1, &path));
  EXPECT_EQ(path, "C:\\Windows\\System32\\notepad.exe");
  addFolder("C:\\Work\\dir");
  EXPECT_TRUE(locateProgram("dir", 0, &path));  // a folder counts as found
}

TEST_F(LocatorTest, SearchPathFile) {
  addFile("C:\\p1.txt", "rem x\r\nset PATH=C:\\Tools;\tD:\\Bin\r\nother\r\n");
  readSearchPathFile("C:\\p1.txt");
  EXPECT_STREQ(Config.searchPath, "C:\\Tools;D:\\Bin");
  EXPECT_EQ(Config.searchPathSet, 1);

  addFile("C:\\p2.txt", "C:\\A;\r\nC:\\B\r\nC:\\C");
  readSearchPathFile("C:\\p2.txt");
  EXPECT_STREQ(Config.searchPath, "C:\\A;C:\\BC:\\C");

  addFile("C:\\p3.txt", "path=" + std::string(6000, 'z'));
  readSearchPathFile("C:\\p3.txt");
  EXPECT_EQ(strlen(Config.searchPath), 5199u);

  addFile("C:\\empty.txt", "");
  readSearchPathFile("C:\\empty.txt");
  EXPECT_EQ(Config.searchPathSet, 0);
  Config.searchPathSet = 1;
  readSearchPathFile("C:\\missing.txt");
  EXPECT_EQ(Config.searchPathSet, 0);
}
