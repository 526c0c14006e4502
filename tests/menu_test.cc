#include "menu/menu_build.h"

#include "app/menu_hooks.h"
#include "app/host_messages.h"
#include "app/program_arguments.h"
#include "app/startup.h"
#include "menu/menu_actions.h"
#include "menu/menu_run.h"
#include "tests/test_support.h"

namespace {

// One line per item: "-" separators, "|" column starts, "*" check marks,
// ">" submenus.
std::string describe(FakeMenu* menu) {
  std::string s;
  for (auto& item : menu->items) {
    if (item.flags & kMenuSeparator) {
      s += "-\n";
      continue;
    }
    if (item.flags & kMenuBarBreak) s += "|";
    if (item.checked) s += "*";
    s += item.text + (item.submenu ? ">" : "") + " " + std::to_string(item.id) + "\n";
  }
  return s;
}

}  // namespace

class MenuTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* f : {"C:\\Work", "D:\\Alpha", "D:\\Beta", "E:\\", "D:\\G1", "D:\\G2"})
      addFolder(f);
    addFile("C:\\in\\a.txt");
  }
  FakeMenu* topMenu() {
    PlatMenu menu = plat::createPopupMenu();
    fillDirMenu(menu, 0, 0);
    appendGroupItems(menu);
    appendClosingItems(menu, 0);
    return static_cast<FakeMenu*>(menu);
  }
};

TEST_F(MenuTest, LevelsSeparatorsAndColumns) {
  ASSERT_EQ(load("[dir]\nC:\\Work\n+\n+\n{Projects\nD:\\Alpha\n{Deep\nD:\\Beta\n}\n+\n}\n"
                 "+\n-\nE:\\\n+\n%end\n"), 1);
  addSource("C:\\in\\a.txt");
  FakeMenu* top = topMenu();
  EXPECT_EQ(describe(top),
            "Work 2000\n-\nProjects> 2003\n|E:\\ 2012\n-\na.txt ( &1 ) 3650\n");
  FakeMenu* sub = top->items[2].submenu;
  ASSERT_NE(sub, nullptr);
  EXPECT_TRUE(sub->items.empty());  // filled when it opens
  fillDirMenu(sub, 3, 1);
  fillDirMenu(sub, 3, 1);  // reopening rebuilds, never doubles
  EXPECT_EQ(describe(sub), "Alpha 2004\nDeep> 2005\n");
  FakeMenu* deep = sub->items[1].submenu;
  DirEntries.marked[6] = 1;
  fillDirMenu(deep, 5, 1);
  EXPECT_EQ(describe(deep), "*Beta 2006\n");
  int live = fake().liveMenus();
  fillDirMenu(sub, 3, 1);
  EXPECT_EQ(fake().liveMenus(), live);  // the old Deep submenu is gone
  destroySubmenus(top);
  plat::destroyMenu(top);
  EXPECT_EQ(fake().liveMenus(), 0);
}

TEST_F(MenuTest, GroupBlockDirectOrInASubmenu) {
  ASSERT_EQ(load("[dir]\nC:\\Work\n%end\n[group]\n{&One\nD:\\G1\n}\n{Two\n}\n%end\n"), 1);
  addSource("C:\\in\\a.txt");
  addSource("C:\\in\\a.txt");
  RunState.transferMode = 1;
  FakeMenu* top = topMenu();
  EXPECT_EQ(describe(top), "Work 2000\n-\n&@ Group> 3250\n-\n*a.txt [ +1 ] ( &1 ) 3650\n");
  EXPECT_EQ(describe(top->items[2].submenu), "&One 3200\nTwo 3201\n");

  ASSERT_EQ(load("[group]\n@direct\n@break\n{&One\n}\n%end\n"), 1);
  RunState.transferMode = 0;
  EXPECT_EQ(describe(topMenu()), "&One 3200\n-\na.txt [ +1 ] ( &1 ) 3650\n");
  ASSERT_EQ(load("[dir]\nC:\\Work\n%end\n[group]\n@direct\n@break\n{&One\n}\n{Two\n}\n%end\n"), 1);
  EXPECT_EQ(describe(topMenu()),
            "Work 2000\n|&One 3200\nTwo 3201\n-\na.txt [ +1 ] ( &1 ) 3650\n");
}

TEST_F(MenuTest, SourceItemTexts) {
  addFolder("C:\\in\\dir");
  addSource("C:\\in\\dir");
  RunState.folderInternal = 1;
  EXPECT_EQ(sourceItemText(), "! dir ( &1 )");
  addSource("C:\\in\\a.txt");
  EXPECT_EQ(sourceItemText(), "! dir [ +1 ] ( &1 )");
  RunState.folderInternal = 0;
  EXPECT_EQ(sourceItemText(), "dir [ +1 ] ( &1 )");
  copyText(RunState.sourceList[0], kLongPathSize, ("C:\\" + std::string(258, 'n')).c_str());
  EXPECT_EQ(sourceItemText().size(), 259u);

  PlatMenu menu = plat::createPopupMenu();
  appendClosingItems(menu, 1);
  EXPECT_EQ(describe(static_cast<FakeMenu*>(menu)),
            "Falvex.ini ( &1 ) 3660\n-\n&Help 3670\n&Version 3680\n");
}

TEST_F(MenuTest, HooksToggleMarksOfFolderItemsOnly) {
  ASSERT_EQ(load("[dir]\nC:\\Work\nD:\\Alpha\n%end\n"), 1);
  addSource("C:\\in\\a.txt");
  FakeMenu* top = topMenu();
  onMenuSelect(2001, 0, top);
  EXPECT_TRUE(onMenuKey(kVkSpace, true));
  EXPECT_TRUE(top->byId(2001)->checked);
  EXPECT_EQ(DirEntries.markedCount, 1);
  EXPECT_FALSE(onMenuKey(kVkSpace, false));  // a release passes on
  EXPECT_TRUE(onMenuMouseDown(true, false));
  EXPECT_FALSE(top->byId(2001)->checked);
  EXPECT_EQ(DirEntries.markedCount, 0);
  EXPECT_FALSE(onMenuMouseDown(false, true));
  EXPECT_EQ(RunState.invertTransfer, 1);
  onMenuSelect(kSourceItemId, 0, top);
  EXPECT_FALSE(onMenuKey(kVkSpace, true));
  onMenuSelect(0, 0xFFFF, nullptr);  // the menu closed
  EXPECT_FALSE(onMenuMouseDown(true, false));
  EXPECT_EQ(DirEntries.markedCount, 0);
}

class MenuRunTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    addFile("C:\\Tools\\filer.exe");
    ASSERT_EQ(load("[system]\n@filer=C:\\Tools\\filer.exe\n>/o %P\n%end\n"
                   "[dir]\nC:\\Work\nD:\\Alpha\nD:\\Beta\n%end\n"
                   "[group]\n{Both\nD:\\G1\nD:\\G2\n}\n%end\n"), 1);
    addSource("C:\\in\\a.txt");
  }
  // Runs the menu; during tracking, marks the given entries with Space.
  void choose(int id, std::vector<int> spaceOn = {}) {
    fake().onTrack = [=](FakeMenu* menu) {
      for (int k : spaceOn) {
        onMenuSelect(2000 + k, 0, menu);
        onMenuKey(kVkSpace, true);
      }
      return id;
    };
    runMenu(nullptr, 0);
  }
  std::string targets() {
    std::string s;
    for (auto& op : fake().fileOps) s += (op.func == kFileOpMove ? "M:" : "C:") + op.to + " ";
    return s;
  }
};

TEST_F(MenuRunTest, FolderItemWithMarksAndSwap) {
  RunState.transferMode = 1;
  choose(2001, {2, 1});  // Beta and Alpha marked, Alpha clicked again
  EXPECT_EQ(targets(), "C:D:\\Alpha M:D:\\Beta ");
  EXPECT_EQ(fake().hooksInstalled, 1);
  EXPECT_EQ(fake().hooksRemoved, 1);
  EXPECT_EQ(fake().liveMenus(), 0);
  EXPECT_EQ(RunState.menuShowing, 0);
  EXPECT_TRUE(fake().launches.empty());

  fake().fileOps.clear();
  fake().keysDown = {kVkShift, kVkControl};
  RunState.transferMode = 0;
  choose(2000);
  EXPECT_EQ(targets(), "M:C:\\Work ");  // copy swapped to move
  ASSERT_EQ(fake().launches.size(), 1u);  // Ctrl opens the chosen folder
  EXPECT_EQ(fake().launches[0].parameters, "/o C:\\Work\\");
}

TEST_F(MenuRunTest, GroupItemIgnoresMarksAndExecRunsPerMember) {
  choose(3200, {0});
  EXPECT_EQ(targets(), "C:D:\\G1 C:D:\\G2 ");

  fake().fileOps.clear();
  addFile("C:\\Tools\\rec.exe");
  RunState.execMode = 1;
  copyText(RunState.execProgram, kPathSize, "C:\\Tools\\rec.exe");
  copyText(RunState.execParams, kPathSize, "%-P %M");
  RunState.openAfter = 1;
  choose(3200);
  EXPECT_TRUE(fake().fileOps.empty());
  ASSERT_EQ(fake().launches.size(), 2u);  // no file manager in exec mode
  EXPECT_EQ(fake().launches[1].parameters, "D:\\G2 C:\\in\\a.txt");
}

TEST_F(MenuRunTest, BrowseItemReplacesTheMarks) {
  fake().browseAnswer = "D:\\Beta";
  RunState.invertTransfer = 0;
  choose(kSourceItemId, {0, 1});
  EXPECT_EQ(targets(), "C:D:\\Beta ");
  EXPECT_EQ(fake().browseStarts[0], "C:\\in");
  EXPECT_EQ(DirEntries.count, 1);

  fake().fileOps.clear();
  fake().browseAnswer = "";
  choose(kSourceItemId);
  EXPECT_TRUE(fake().fileOps.empty());
}

TEST_F(MenuRunTest, DismissedMenuStillWaitsForKeys) {
  fake().asyncPollsDown[kVkControl] = 520;
  fake().asyncPollsDown[kVkShift] = 299;
  choose(0);
  EXPECT_TRUE(fake().fileOps.empty());
  // Ctrl: one box at poll 300, then one per poll from 500 to 520.
  EXPECT_EQ(fake().boxes.size(), 22u);
  EXPECT_EQ(fake().boxes[0].first, kTextReleaseKeys);
  EXPECT_EQ(fake().sleptMs, (520 + 299) * 10);
}

TEST_F(MenuRunTest, NamedGroupRunsWithoutTheMenu) {
  copyText(RunState.groupName, kPathSize, "BOTH");
  RunState.openAfter = 1;
  choose(2000);
  EXPECT_TRUE(fake().tracks.empty());
  EXPECT_EQ(targets(), "C:D:\\G1 C:D:\\G2 ");
  EXPECT_EQ(fake().sleptMs, 50);
  EXPECT_EQ(fake().liveMenus(), 0);
  copyText(RunState.groupName, kPathSize, "Bot");
  choose(0);
  EXPECT_EQ(fake().tracks.size(), 1u);
}

TEST_F(MenuRunTest, NoSourceItemsAndPlacement) {
  copyText(Config.editorPath, kPathSize, "C:\\Tools\\filer.exe");
  copyText(RunState.configPath, kPathSize, "C:\\My Prog\\Falvex.ini");
  fake().onTrack = [](FakeMenu*) { return kConfigItemId; };
  runMenu(nullptr, 1);
  EXPECT_EQ(fake().launches.back().parameters, "\"C:\\My Prog\\Falvex.ini\"");
  fake().onTrack = [](FakeMenu*) { return kVersionItemId; };
  runMenu(nullptr, 1);
  EXPECT_EQ(fake().boxes.back().second, kTextVersionTitle);

  PlatWindow active = reinterpret_cast<PlatWindow>(7);
  RunState.previousForeground = active;
  fake().windowRects[active] = {100, 100, 301, 401};
  MenuPlacement p = menuPlacement();
  EXPECT_EQ(p.x, 200);
  EXPECT_EQ(p.y, 250);
  EXPECT_EQ(p.flags, 0x0116u);
  fake().windowRects[active] = {100, 100, 100, 401};
  p = menuPlacement();
  EXPECT_EQ(p.x, 512);
  EXPECT_EQ(p.y, 370);
  Config.menuPosition = kMenuAtMouseCentred;
  fake().cursorX = 5;
  p = menuPlacement();
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.flags, 0x0112u);
}

TEST_F(MenuRunTest, PresetRuns) {
  addFolder("D:\\Base");
  copyText(RunState.baseFolder, kPathSize, "D:\\Base");
  RunState.presetDestination = 10;
  RunState.openAfter = 1;
  fake().browseAnswer = "D:\\Alpha";
  runPresetDestination(nullptr);
  EXPECT_EQ(fake().browseStarts[0], "D:\\Base");
  EXPECT_EQ(targets(), "C:D:\\Alpha ");
  EXPECT_STREQ(RunState.resolvedDestination, "D:\\Alpha");
  EXPECT_EQ(fake().launches.size(), 1u);

  fake().fileOps.clear();
  RunState.presetDestination = 5;  // walks above the root: nothing at all
  runPresetDestination(nullptr);
  EXPECT_TRUE(fake().fileOps.empty());
  EXPECT_EQ(fake().launches.size(), 1u);
}

TEST_F(MenuTest, ReopenedSubmenuIsKnownByItsHandle) {
  // [dir]: one, {Sub X {Deep Y } }, as entries 0..6.
  addFolder("D:\\X");
  addFolder("D:\\Y");
  ASSERT_EQ(load("[dir]\nC:\\Work\n{Sub\nD:\\X\n{Deep\nD:\\Y\n}\n}\n%end\n"), 1);
  addSource("C:\\in\\a.txt");
  forgetDirSubmenus();
  FakeMenu* top = topMenu();
  FakeMenu* sub = top->byId(2001)->submenu;
  ASSERT_NE(sub, nullptr);
  // Down, Right: Sub opens and is filled.
  onMenuSelect(1, 0x0010, top);
  onInitMenuPopup(sub);
  EXPECT_EQ(describe(sub), "X 2002\nDeep> 2003\n");
  // Down to Deep; Left closes Sub without a WM_MENUSELECT (as under Wine).
  onMenuSelect(1, 0x0010, sub);
  onUninitMenuPopup(sub);
  // Right again: Sub, not Deep, fills it.
  onInitMenuPopup(sub);
  EXPECT_EQ(describe(sub), "X 2002\nDeep> 2003\n");
  // X highlighted, then Sub closed: X is hidden and cannot be marked.
  onMenuSelect(2002, 0, sub);
  onUninitMenuPopup(sub);
  EXPECT_FALSE(onMenuMouseDown(true, false));
  EXPECT_EQ(DirEntries.markedCount, 0);
  // Another popup closing leaves a visible highlight alone.
  onMenuSelect(2000, 0, top);
  onUninitMenuPopup(sub);
  EXPECT_TRUE(onMenuMouseDown(true, false));
  EXPECT_TRUE(top->byId(2000)->checked);
  // Deep's own submenu is filled with Y when it opens.
  FakeMenu* deep = sub->byId(2003)->submenu;
  onInitMenuPopup(deep);
  EXPECT_EQ(describe(deep), "Y 2004\n");
  EXPECT_EQ(dirEntryOfSubmenu(sub), 1);
  EXPECT_EQ(dirEntryOfSubmenu(top), -1);
}

TEST_F(MenuRunTest, UnheldNamesFromTheBrowserAndFolderListing) {
  // A browsed folder the code page cannot hold transfers nothing.
  fake().browseAnswer = unheld("D:\\Caf#");
  addFolder("D:\\Cafe");  // what best-fit would have given
  choose(kSourceItemId);
  EXPECT_TRUE(fake().fileOps.empty());
  ASSERT_EQ(fake().boxes.size(), 1u);
  EXPECT_EQ(fake().boxLines[0], std::vector<std::string>{unheld("D:\\Caf#")});

  // Folder contents: the good entry goes, the other is told after the choice.
  addFile("C:\\box\\a.txt");
  addFile(unheld("C:\\box\\#.txt"));
  RunState.sourceCount = 0;
  addSource("C:\\box");
  RunState.folderInternal = 1;
  choose(2001);
  EXPECT_EQ(targets(), "C:D:\\Alpha ");
  EXPECT_EQ(fake().fileOps[0].from, std::vector<std::string>{"C:\\box\\a.txt"});
  ASSERT_EQ(fake().boxes.size(), 2u);
  EXPECT_EQ(fake().boxLines[1], std::vector<std::string>{unheld("C:\\box\\#.txt")});

  // A program per group member: the same listing is told only once.
  fake().fileOps.clear();
  addFile("C:\\Tools\\rec.exe");
  RunState.execMode = 1;
  copyText(RunState.execProgram, kPathSize, "C:\\Tools\\rec.exe");
  copyText(RunState.execParams, kPathSize, "%M");
  choose(3200);
  ASSERT_EQ(fake().launches.size(), 2u);
  EXPECT_EQ(fake().launches[0].parameters, "C:\\box\\a.txt");
  EXPECT_EQ(fake().boxes.size(), 2u);
  EXPECT_TRUE(fake().markedNamesUsed.empty());
}
