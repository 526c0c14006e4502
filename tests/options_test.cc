#include "app/options.h"

#include "tests/test_support.h"

class OptionsTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    addFolder("D:\\Dest");
    addFile("C:\\Prog\\my.ini");
    addFile("C:\\Prog\\sub\\x.ini");
  }
};

TEST_F(OptionsTest, ConfigurationFileIsAlwaysUnderTheProgramFolder) {
  parseOptions("/#s=my.ini a.txt");
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\my.ini");
  parseOptions("/#S=sub\\x.ini");
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\sub\\x.ini");
  parseOptions("/#s=C:\\Prog\\my.ini");
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\Falvex.ini");
  parseOptions("/#s=missing.ini");
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\Falvex.ini");
  parseOptions("/#s= x");
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\");
  parseOptions(("/#s=" + std::string(259, 'n')).c_str());
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\Falvex.ini");
  // A name the code page cannot hold is never looked up in any form.
  parseOptions(("/#s=" + unheld("#.ini") + " /#0=\"" + unheld("D:\\#") + "\"").c_str());
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\Falvex.ini");
  EXPECT_STREQ(RunState.baseFolder, "");
  EXPECT_TRUE(fake().markedNamesUsed.empty());
  // Folder plus name beyond a path: the default, never a cut path.
  std::string folder = "C:\\" + std::string(200, 'p') + "\\";
  copyText(RunState.programFolder, kPathSize, folder.c_str());
  addFile(folder + std::string(100, 'n'));
  parseOptions(("/#s=" + std::string(100, 'n')).c_str());
  EXPECT_EQ(std::string(RunState.configPath), folder + "Falvex.ini");
}

TEST_F(OptionsTest, SwitchesAndModes) {
  parseOptions("/#w/#e /#D=MOVE /#d=copy");
  EXPECT_EQ(RunState.confirm, 0);
  EXPECT_EQ(RunState.openAfter, 1);
  EXPECT_EQ(RunState.transferMode, 0);
  parseOptions("/#d=move");
  EXPECT_EQ(RunState.transferMode, 1);

  parseOptions("/#a= x");
  EXPECT_EQ(RunState.execMode, 0);
  parseOptions("/#A");
  EXPECT_EQ(RunState.execMode, 1);
  parseOptions("/#a=Viewer a.txt");
  EXPECT_EQ(RunState.execMode, 2);
  EXPECT_STREQ(RunState.execName, "Viewer");
  parseOptions("/#g=Photos");
  EXPECT_STREQ(RunState.execName, "");  // emptied by every call
  EXPECT_STREQ(RunState.groupName, "Photos");
  parseOptions("");
  EXPECT_STREQ(RunState.groupName, "");
  parseOptions(("/#g=" + std::string(300, 'g')).c_str());
  EXPECT_EQ(strlen(RunState.groupName), 259u);
}

TEST_F(OptionsTest, DestinationPresetsInPrecedence) {
  parseOptions("/#3 /#1");
  EXPECT_EQ(RunState.presetDestination, 1);
  parseOptions("/#9 /#0");
  EXPECT_EQ(RunState.presetDestination, 10);
  EXPECT_STREQ(RunState.baseFolder, "");
  parseOptions("/#g=Photos /#0=\"D:\\Dest\\\" /#2");
  EXPECT_EQ(RunState.presetDestination, 10);
  EXPECT_STREQ(RunState.baseFolder, "D:\\Dest");
  EXPECT_STREQ(RunState.groupName, "Photos");
  RunState.baseFolder[0] = '\0';
  parseOptions("/#0=\"D:\\No where\"");
  EXPECT_STREQ(RunState.baseFolder, "");
  EXPECT_EQ(RunState.presetDestination, 10);
}

TEST_F(OptionsTest, MenuPositionOptionWinsOverTheFile) {
  parseOptions(("/#m=" + std::string(259, '1')).c_str());
  EXPECT_EQ(Config.menuPosition, 9);
  parseOptions("/#m=");
  EXPECT_EQ(Config.menuPosition, 9);
  parseOptions("/#m=40,50 a.txt");
  EXPECT_EQ(Config.menuPosition, kMenuAtCoordinates);
  EXPECT_EQ(Config.menuY, 50);
  ASSERT_EQ(load("[system]\n@menu=center\n%end\n"), 1);
  EXPECT_EQ(Config.menuPosition, kMenuAtCoordinates);
}
