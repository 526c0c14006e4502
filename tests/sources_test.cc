#include "app/sources.h"

#include "state/left_out_names.h"
#include "tests/test_support.h"

class SourcesTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    addFile("C:\\My Files\\a.txt");
    addFile("C:\\b.txt");
    addFolder("D:\\Dest");
    addFolder("C:\\Data");
    addFile("C:\\Work\\sub\\r.txt");
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
  collectSources("abc\"C:\\b.txt\" C:\\Da\tta\\ D:\\ C:\\b.txt\r\n \\ sub\\r.txt", kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\b.txt", "C:\\Data", "D:", "C:\\b.txt", "C:", "C:\\Work\\sub\\r.txt"}));
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

TEST_F(SourcesTest, PresetFolderValueKnownByWhereItStarts) {
  addFolder("C:\\Prog");
  collectSources("/#0=\"D:\\Dest \" \"C:\\b.txt\"", kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\b.txt"}));
  // A macro changes the value's length: still the option's, never a source.
  Config.expandMacros = 1;
  collectSources("/#0=\"%Falvex%\" C:\\b.txt", kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\b.txt"}));
  collectSources("/#0=\"%Desktop%\\a.txt\"", kCommandLineText);
  EXPECT_EQ(sources(), List{});
}

TEST_F(SourcesTest, NamesTheCodePageCannotHoldAreLeftOutAndTold) {
  // Best-fit would have made these e.txt and x\a.txt: both exist.
  addFile("C:\\sub\\e.txt");
  addFile("C:\\sub\\x\\a.txt");
  std::string text = "/#d=move " + unheld("C:\\sub\\#.txt") + " C:\\b.txt \"" +
                     unheld("C:\\sub\\x#a.txt") + "\" " + "/#g=" + unheld("Caf#") +
                     " /#0=\"" + unheld("D:\\#") + "\" \"C:\\My Files\\a.txt\"";
  collectSources(text.c_str(), kCommandLineText);
  EXPECT_EQ(sources(), (List{"C:\\b.txt", "C:\\My Files\\a.txt"}));
  EXPECT_TRUE(tellLeftOutNames(nullptr));
  ASSERT_EQ(fake().boxes.size(), 1u);
  EXPECT_EQ(fake().boxes[0], std::make_pair(kTextUnheldNames, kTextNoticeTitle));
  // Options and the preset folder are not names the user sent.
  EXPECT_EQ(fake().boxLines[0],
            (List{unheld("C:\\sub\\#.txt"), unheld("C:\\sub\\x#a.txt")}));
  EXPECT_FALSE(tellLeftOutNames(nullptr));  // told once
  EXPECT_EQ(fake().markedNamesUsed, List{});

  // The clipboard's file list and text alike.
  fake().hasFileList = true;
  fake().fileList = {unheld("C:\\x#.txt"), "C:\\b.txt"};
  collectClipboardSources(nullptr);
  EXPECT_EQ(sources(), (List{"C:\\b.txt"}));
  fake().hasFileList = false;
  fake().hasText = true;
  fake().clipboard = unheld("C:\\#.txt") + "\r\nC:\\Data\r\n";
  collectClipboardSources(nullptr);
  EXPECT_EQ(sources(), (List{"C:\\Data"}));
  EXPECT_TRUE(tellLeftOutNames(nullptr));
  EXPECT_EQ(fake().boxLines[1], (List{unheld("C:\\x#.txt"), unheld("C:\\#.txt")}));
  EXPECT_EQ(fake().markedNamesUsed, List{});
}

TEST_F(SourcesTest, ManyUnheldNamesMakeOneBox) {
  std::string text;
  for (int i = 0; i < 1000; ++i)
    text += unheld("C:\\#" + std::to_string(i) + ".txt") + " ";
  collectSources(text.c_str(), kCommandLineText);
  EXPECT_EQ(RunState.sourceCount, 0);
  EXPECT_TRUE(tellLeftOutNames(nullptr));
  ASSERT_EQ(fake().boxes.size(), 1u);
  ASSERT_EQ(fake().boxLines[0].size(), 20u);
  EXPECT_EQ(fake().boxLines[0][19], unheld("C:\\#19.txt"));
  EXPECT_EQ(fake().boxMore[0], 980);
}
