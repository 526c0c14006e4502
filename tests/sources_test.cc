#include "app/sources.h"

#include "tests/test_support.h"

class SourcesTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    addFile("C:\\My Files\\a.txt");
    addFile("C:\\b.txt");
    addFolder("D:\\Dest");
    addFolder("C:\\Data");
    fake().specialFolders[0x00] = "C:\\Desktop";
    addFile("C:\\Desktop\\a.txt");
  }
  std::vector<std::string> sources() {
    return std::vector<std::string>(RunState.sourceList,
                                    RunState.sourceList + RunState.sourceCount);
  }
  typedef std::vector<std::string> List;
};

TEST_F(SourcesTest, CommandLineTokens) {
  collectSources("\"C:\\My Files\\a.txt\" C:\\b.txt /#d=move", kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\My Files\\a.txt", "C:\\b.txt"}));
  collectSources("/#0=\"D:\\Dest\" \"C:\\b.txt\"", kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\b.txt"}));
  collectSources("C:\\My Files\\a.txt", kCommandLineText);
  EXPECT_EQ(sources(), List{});
  collectSources("abc\"C:\\b.txt\" C:\\Da\tta\\ D:\\ C:\\b.txt\r\n \\", kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\b.txt", "C:\\Data", "D:", "C:\\b.txt", "\\"}));
}

TEST_F(SourcesTest, LineTextKeepsSpaces) {
  collectSources("C:\\My Files\\a.txt\r\n  C:\\b.txt  \r\n\"C:\\Data\\\"\n",
                 kLineText);
  EXPECT_EQ(sources(), (List{"C:\\My Files\\a.txt", "C:\\b.txt", "C:\\Data"}));
}

TEST_F(SourcesTest, MacrosOnlyWhenTheConfigurationAsks) {
  collectSources("%Desktop%\\a.txt", kCommandLineText);
  EXPECT_EQ(RunState.sourceCount, 0);
  Config.expandMacros = 1;
  collectSources("%Desktop%\\a.txt", kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\Desktop\\a.txt"}));
}

TEST_F(SourcesTest, LimitsNeverOverrun) {
  std::string longName = "C:\\" + std::string(300, 'x');
  addFile(longName);
  std::string text = longName + " \"" + std::string(5000, 'q') + "\" ";
  for (int i = 0; i < 10000; ++i) text += "C:\\b.txt ";
  collectSources(text.c_str(), kCommandLineText);
  EXPECT_EQ(RunState.sourceCount, 1000);
  EXPECT_STREQ(RunState.sourceList[999], "C:\\b.txt");

  std::string huge(10 * 1024 * 1024, 'y');
  collectSources(huge.c_str(), kLineText);
  EXPECT_EQ(RunState.sourceCount, 0);
}

TEST_F(SourcesTest, ClipboardFileListBeforeText) {
  fake().hasFileList = fake().hasText = true;
  fake().clipboard = "C:\\b.txt\r\n";
  for (int i = 0; i < 1200; ++i)
    fake().fileList.push_back("C:\\f" + std::to_string(i));
  fake().fileList[0] = "D:\\Dest\\";
  fake().fileList[1] = "C:\\" + std::string(300, 'l');  // does not fit: left out
  EXPECT_EQ(collectClipboardSources(nullptr), 1);
  ASSERT_EQ(RunState.sourceCount, 1000);
  EXPECT_STREQ(RunState.sourceList[0], "D:\\Dest");
  EXPECT_STREQ(RunState.sourceList[1], "C:\\f2");
  EXPECT_STREQ(RunState.sourceList[999], "C:\\f1000");
  EXPECT_EQ(fake().clipboardOpens, fake().clipboardCloses);

  fake().hasFileList = false;
  EXPECT_EQ(collectClipboardSources(nullptr), 1);
  EXPECT_EQ(sources(), (List{"C:\\b.txt"}));
  fake().clipboard = "";
  RunState.sourceCount = 0;
  EXPECT_EQ(collectClipboardSources(nullptr), 0);
  fake().textHandle = false;
  EXPECT_EQ(collectClipboardSources(nullptr), 0);
  EXPECT_EQ(fake().clipboardOpens, 4);
  EXPECT_EQ(fake().clipboardCloses, 4);
  fake().hasText = false;
  EXPECT_EQ(collectClipboardSources(nullptr), 0);
  EXPECT_EQ(fake().clipboardOpens, 4);
}
