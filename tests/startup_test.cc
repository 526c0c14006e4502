#include "app/host_messages.h"
#include "app/program_arguments.h"
#include "app/startup.h"

#include "app/menu_hooks.h"
#include "state/left_out_names.h"
#include "menu/menu_build.h"
#include "tests/test_support.h"

using StartupTest = FalvexTest;

TEST_F(StartupTest, NamesComeFromTheProgramFile) {
  EXPECT_EQ(deriveProgramNames("C:\\Tools\\Falvex.exe"), "Falvex");
  EXPECT_STREQ(RunState.defaultConfigName, "Falvex.ini");
  EXPECT_EQ(deriveProgramNames("\"C:\\My Tools\\tool.exe\""), "tool");
  EXPECT_STREQ(RunState.defaultConfigName, "tool.ini");
  EXPECT_STREQ(RunState.modulePath, "C:\\My Tools\\tool.exe");
  initPathsAndMetrics(800, 570, 0);
  EXPECT_STREQ(RunState.programFolder, "C:\\My Tools\\");
  EXPECT_STREQ(RunState.readmePath, "C:\\My Tools\\Falvex.txt");
  EXPECT_EQ(RunState.maximizedHeight, 570);
}

TEST_F(StartupTest, SftOptionInvertsShift) {
  EXPECT_EQ(folderInternalFor(false, ""), 0);
  EXPECT_EQ(folderInternalFor(true, "a.txt"), 1);
  EXPECT_EQ(folderInternalFor(false, "/#k=SFT a.txt"), 1);
  EXPECT_EQ(folderInternalFor(true, "/#K=sft"), 0);
}

TEST_F(StartupTest, MissingConfigurationIsCreatedAndEmptyArgumentsParseNothing) {
  RunState.commandLine = "";
  RunState.confirm = 9;
  ASSERT_TRUE(runStartupSteps(nullptr, false));
  EXPECT_STREQ(RunState.configPath, "C:\\Prog\\Falvex.ini");
  EXPECT_TRUE(plat::pathFileExists("C:\\Prog\\Falvex.ini"));
  EXPECT_EQ(fileContent("C:\\Prog\\Falvex.ini"), "");
  EXPECT_EQ(RunState.confirm, 1);
  EXPECT_EQ(Config.menuPosition, 0);
}

TEST_F(StartupTest, UnopenableConfigurationEndsTheRunWithTheErrorBox) {
  RunState.commandLine = "/#s= x";  // empty name: the program folder itself
  EXPECT_FALSE(runStartupSteps(nullptr, false));
  ASSERT_EQ(fake().boxes.size(), 1u);
  EXPECT_EQ(fake().boxes[0].first, kTextConfigError);
  EXPECT_EQ(fake().boxes[0].second, kTextErrorTitle);
}

TEST_F(StartupTest, ConfigurationPathFormedWholeOrNotAtAll) {
  // Another Falvex.ini in the current folder, and a stray file named like
  // the cut path: neither may be read, nothing may be created.
  for (size_t length : {252u, 267u}) {
    resetFake();
    addFile("C:\\Work\\Falvex.ini", "[group]\n{G\nC:\\Work\n}\n%end\n");
    std::string folder = "C:\\" + std::string(length - 4, 'f') + "\\";
    ASSERT_EQ(folder.size(), length);
    addFolder(folder);
    std::string stray = (folder + "Falvex.ini").substr(0, 259);
    if (stray.size() > folder.size()) addFile(stray, "[group]\n{S\nC:\\Work\n}\n%end\n");
    size_t entriesBefore = fake().entries.size();
    deriveProgramNames((folder + "Falvex.exe").c_str());
    initPathsAndMetrics(800, 600, 3);
    RunState.commandLine = "";
    EXPECT_FALSE(runStartupSteps(nullptr, false)) << length;
    ASSERT_EQ(fake().boxes.size(), 1u) << length;
    EXPECT_EQ(fake().boxes[0].first, kTextConfigError);
    EXPECT_EQ(Groups.count, 0) << length;
    EXPECT_EQ(fake().entries.size(), entriesBefore) << length;
  }
}

TEST_F(StartupTest, ProgramFolderTheCodePageCannotHoldReadsNothing) {
  addFile("C:\\Cafe\\Falvex.ini", "[group]\n{G\nC:\\Work\n}\n%end\n");
  deriveProgramNames(unheld("C:\\Caf#\\Falvex.exe").c_str());
  initPathsAndMetrics(800, 600, 3);
  size_t entriesBefore = fake().entries.size();
  RunState.commandLine = "";
  EXPECT_FALSE(runStartupSteps(nullptr, false));
  EXPECT_EQ(fake().boxes.size(), 1u);
  EXPECT_EQ(Groups.count, 0);
  EXPECT_EQ(fake().entries.size(), entriesBefore);
  EXPECT_TRUE(fake().markedNamesUsed.empty());
}

TEST_F(StartupTest, ArgumentsFollowTheProgramName) {
  EXPECT_STREQ(argumentsAfterProgramName("\"C:\\My Tools\\F.exe\"  a b"), "a b");
  EXPECT_STREQ(argumentsAfterProgramName("F.exe\t\"x y\""), "\"x y\"");
  EXPECT_STREQ(argumentsAfterProgramName("F.exe"), "");
  EXPECT_STREQ(argumentsAfterProgramName("\"unclosed"), "");
}

class DispatchTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    addFile("C:\\Data\\a.txt");
    addFolder("D:\\Dest");
    ASSERT_TRUE(load("[dir]\nD:\\Dest\n%end\n"));
  }
  // The items of the menu that was tracked, or "" when none was.
  std::string trackedFirstItem() {
    std::string first;
    fake().onTrack = [&](FakeMenu* menu) {
      first = menu->items.empty() ? "?" : menu->items[0].text;
      return 0;
    };
    dispatchRun(nullptr);
    return first;
  }
};

TEST_F(DispatchTest, SourcesWithoutPresetShowTheDestinationMenu) {
  RunState.commandLine = "C:\\Data\\a.txt";
  EXPECT_EQ(trackedFirstItem(), "Dest");
  EXPECT_EQ(fake().fileOps.size(), 0u);
}

TEST_F(DispatchTest, PresetLevelRunsWithoutMenu) {
  RunState.commandLine = "/#1 C:\\Data\\a.txt";
  RunState.presetDestination = 1;
  EXPECT_EQ(trackedFirstItem(), "");
  ASSERT_EQ(fake().fileOps.size(), 1u);
  EXPECT_EQ(fake().fileOps[0].to, "C:\\");
}

TEST_F(DispatchTest, NoSourceGivesTheShortMenuEvenWithAPreset) {
  RunState.commandLine = "/#1 C:\\Data\\missing.txt";
  RunState.presetDestination = 1;
  EXPECT_EQ(trackedFirstItem(), "Falvex.ini ( &1 )");
}

TEST_F(DispatchTest, ClipboardIsReadOnlyWithOptionAndNoArguments) {
  fake().hasText = true;
  fake().clipboard = "C:\\Data\\a.txt\r\n";
  RunState.commandLine = "/#c";
  EXPECT_EQ(trackedFirstItem(), "Dest");
  EXPECT_EQ(fake().clipboardOpens, 1);

  fake().clipboardOpens = 0;
  RunState.commandLine = "/#c C:\\Data\\a.txt";
  EXPECT_EQ(trackedFirstItem(), "Dest");
  EXPECT_EQ(fake().clipboardOpens, 0);

  RunState.commandLine = "";
  EXPECT_EQ(trackedFirstItem(), "Falvex.ini ( &1 )");
  EXPECT_EQ(fake().clipboardOpens, 0);
}

TEST_F(StartupTest, HostWindowMenuMessages) {
  ASSERT_TRUE(load("[dir]\n{Sub\nC:\\Prog\n}\n%end\n"));
  PlatMenu top = plat::createPopupMenu();
  fillDirMenu(top, 0, 0);
  PlatMenu sub = plat::subMenuAt(top, 0);
  ASSERT_NE(sub, nullptr);

  // Opened with the keyboard: filled, no synthetic Down arrow.
  onMenuSelect(0, 0x0010, top);  // an opener reports its position
  EXPECT_FALSE(onInitMenuPopup(sub));
  EXPECT_EQ(plat::menuItemCount(sub), 1);
  EXPECT_FALSE(highlightedItemIsMarkable());
  // With the mouse: filled again, and the arrow follows.
  onMenuSelect(0, 0x8010, top);
  EXPECT_TRUE(onInitMenuPopup(sub));
  EXPECT_EQ(plat::menuItemCount(sub), 1);
  // A menu that belongs to no [dir] opener is left alone.
  PlatMenu other = plat::createMenu();
  onMenuSelect(0, 0, nullptr);
  EXPECT_FALSE(onInitMenuPopup(other));
  EXPECT_EQ(plat::menuItemCount(other), 0);

  EXPECT_FALSE(onKillFocus());
  RunState.menuShowing = 1;
  EXPECT_TRUE(onKillFocus());
  EXPECT_EQ(onLeftButtonDown(), 1);
  EXPECT_EQ(onLeftButtonDown(), 0);
}

TEST_F(DispatchTest, UnheldNamesAreToldBeforeTheMenuOrEndTheRun) {
  std::string line = unheld("C:\\Data\\#.txt") + " C:\\Data\\a.txt";
  RunState.commandLine = line.c_str();
  EXPECT_EQ(trackedFirstItem(), "Dest");
  ASSERT_EQ(fake().boxes.size(), 1u);
  EXPECT_EQ(fake().boxes[0].first, kTextUnheldNames);

  // Only such names: the box, then nothing; not even the no-source menu.
  resetLeftOutNames();
  fake().boxes.clear();
  line = unheld("C:\\Data\\#.txt");
  RunState.commandLine = line.c_str();
  EXPECT_EQ(trackedFirstItem(), "");
  EXPECT_EQ(fake().boxes.size(), 1u);
  resetLeftOutNames();
  RunState.presetDestination = 1;
  EXPECT_EQ(trackedFirstItem(), "");
  EXPECT_TRUE(fake().fileOps.empty());
  EXPECT_TRUE(fake().markedNamesUsed.empty());
}
