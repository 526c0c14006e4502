#include "launch/command_line.h"

#include "tests/test_support.h"
#include "launch/launcher.h"
#include "launch/placeholders.h"

class CommandLineTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    addFile("C:\\a.txt");
    addFolder("D:\\dir");
    addFile("C:\\Tools\\rec.exe");
    copyText(RunState.execProgram, kPathSize, "C:\\Tools\\rec.exe");
    addSource("C:\\a.txt");
    addSource("D:\\dir");
  }
  std::string launched(const char* filled) {
    fake().launches.clear();
    launchWithSources(filled);
    return fake().launches.empty() ? "<none>" : fake().launches[0].parameters;
  }
};

TEST_F(CommandLineTest, TheFourFormsOfTheWorkedExample) {
  EXPECT_EQ(launched("/x \"%M\" /y"), "/x \"C:\\a.txt\" \"D:\\dir\\\" /y");
  EXPECT_EQ(launched("/x \"%-M\" /y"), "/x \"C:\\a.txt\" \"D:\\dir\" /y");
  EXPECT_EQ(launched("/x %M /y"), "/x C:\\a.txt D:\\dir\\ /y");
  EXPECT_EQ(launched("/x %-m /y"), "/x C:\\a.txt D:\\dir /y");
  EXPECT_EQ(fake().launches[0].folder, "C:\\Tools\\");
}

TEST_F(CommandLineTest, PlaceholderChoiceAndSplit) {
  EXPECT_EQ(launched("no placeholder"), "<none>");
  EXPECT_EQ(launched("%M then \"%m\""), "%M then \"C:\\a.txt\" \"D:\\dir\\\"");
  EXPECT_EQ(launched("%M|%M"), "C:\\a.txt D:\\dir\\|%M");
  // With expansion off, a macro beginning with %M is a placeholder.
  EXPECT_EQ(launched("%My Documents% %-M"), "C:\\a.txt D:\\dir\\y Documents% %-M");
  RunState.sourceCount = 1;
  EXPECT_EQ(launched("<%M>"), "<C:\\a.txt>");
  copyText(RunState.sourceList[0], kLongPathSize, "C:");
  addFolder("C:\\");
  EXPECT_EQ(launched("\"%M\" %-M"), "\"C:\\\" %-M");
  EXPECT_EQ(launched("%-M"), "C:");
}

TEST_F(CommandLineTest, FolderContentsAndLongPathsGrowWithoutLimit) {
  std::string longName(250, 'n');
  addFile("D:\\dir\\" + longName);
  addFolder("D:\\dir\\sub");
  copyText(RunState.sourceList[0], kLongPathSize, "D:\\dir");
  fake().launches.clear();
  launchWithFolderContents("\"%M\"");
  ASSERT_EQ(fake().launches.size(), 1u);
  EXPECT_EQ(fake().launches[0].parameters,
            "\"D:\\dir\\" + longName + "\" \"D:\\dir\\sub\\\"");

  addFolder("D:\\empty");
  copyText(RunState.sourceList[0], kLongPathSize, "D:\\empty");
  fake().launches.clear();
  launchWithFolderContents("%M");
  EXPECT_TRUE(fake().launches.empty());

  std::vector<std::string> items(1000, std::string(200, 'p'));
  std::string line = buildCommandLine(kFormQuoted, "a ", items, " z");
  EXPECT_EQ(line.size(), 2 + 1000 * 202 + 999 + 2);
}

TEST_F(CommandLineTest, DestinationPlaceholders) {
  EXPECT_EQ(fillDestinationPlaceholders("/path=%P", "D:\\dir"), "/path=D:\\dir\\");
  EXPECT_EQ(fillDestinationPlaceholders("/path=%-p", "D:\\dir"), "/path=D:\\dir");
  addFolder("C:\\");
  EXPECT_EQ(fillDestinationPlaceholders("%P|%-P", "C:\\"), "C:\\|C:\\");
  EXPECT_EQ(fillDestinationPlaceholders("%p|%-P", "D:\\gone"), "D:\\gone|D:\\gone");
  EXPECT_EQ(fillDestinationPlaceholders("%Programs%", "D:\\dir"), "D:\\dir\\rograms%");
  // A destination holding the placeholder is inserted once per occurrence.
  addFolder("D:\\100%p");
  EXPECT_EQ(fillDestinationPlaceholders("%P %P", "D:\\100%p"),
            "D:\\100%p\\ D:\\100%p\\");
  std::string many;
  for (int i = 0; i < 600; ++i) many += "%P";
  EXPECT_EQ(fillDestinationPlaceholders(many.c_str(), "D:\\dir").size(),
            kParameterTextLimit);
  Config.expandMacros = 1;
  copyText(UserMacros.name[0], kMacroNameSize, "%dst%");
  copyText(UserMacros.value[0], kPathSize, "[%P]");
  UserMacros.count = 1;
  EXPECT_EQ(fillDestinationPlaceholders("%dst%", "D:\\dir"), "[D:\\dir\\]");
}

TEST_F(CommandLineTest, LauncherUsesTheProgramFolderOrTheShell) {
  addFile("\\\\server\\share\\tools\\v.exe");
  launchProgram("\\\\server\\share\\tools\\v.exe", "x");
  EXPECT_EQ(fake().launches.back().folder, "\\\\server\\share\\tools\\");
  launchProgram("", "\"C:\\a b\"");
  EXPECT_EQ(fake().launches.back().file, "\"C:\\a b\"");
  EXPECT_FALSE(fake().launches.back().hasParameters);
  launchProgram("D:\\dir", "p");
  EXPECT_EQ(fake().launches.back().file, "D:\\dir");
  EXPECT_EQ(fake().launches.back().folder, "D:\\");
}
