#include "app/host_messages.h"
#include "app/menu_hooks.h"
#include "app/startup.h"
#include "menu/menu_actions.h"
#include "menu/menu_build.h"
#include "menu/menu_run.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

class MenuTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* f : {"C:\\Work", "D:\\Alpha", "D:\\Beta", "E:\\", "D:\\G1", "D:\\G2", "D:\\X"})
      addFolder(f);
    addFile("C:\\in\\a.txt");
    addFile("C:\\Tools\\filer.exe");
    addFile("C:\\Tools\\rec.exe");
    setSources({"C:\\in\\a.txt"});
    copyText(RunState.readmePath, kPathSize, "C:\\Prog\\Falvex.txt");
  }
  FakeMenu* topMenu() {
    forgetDirSubmenus();
    PlatMenu menu = plat::createPopupMenu();
    fillDirMenu(menu, 0, 0);
    appendGroupItems(menu);
    appendClosingItems(menu, 0);
    return static_cast<FakeMenu*>(menu);
  }
  // Runs the menu and chooses id; while it shows, the middle button marks
  // the given [dir] entries, and the right button is pressed when asked.
  std::string choose(int id, std::vector<int> marks = {}, bool right = false) {
    fake().onTrack = [=](FakeMenu* menu) {
      EXPECT_EQ(RunState.menuShowing, 1);
      for (int k : marks) {
        onMenuSelect(kDirItemBaseId + k, 0, menu);
        onMenuMouseDown(true, false);
      }
      if (right) onMenuMouseDown(false, true);
      return id;
    };
    runMenu(nullptr, 0);
    return takeLog();
  }
};

TEST_F(MenuTest, ItemsLevelsGroupsAndClosingItems) {
  ASSERT_EQ(load("[dir]\nC:\\Work\n+\n+\n{Projects\nD:\\Alpha\n{Deep\nD:\\Beta\n}\n+\n}\n"
                 "+\n-\nE:\\\n+\n%end\n[group]\n{&One\nD:\\G1\n}\n{Two\n}\n%end\n"), 1);
  setSources({"C:\\in\\a.txt", "C:\\in\\a.txt"});
  RunState.transferMode = kTransferMove;
  FakeMenu* top = topMenu();
  EXPECT_EQ(describeMenu(top->items[5].submenu), "[&One 3200|Two 3201]");
  FakeMenu* sub = top->items[2].submenu;
  onMenuSelect(2, 0x8010, top);     // opened with the mouse: Down follows
  EXPECT_TRUE(onInitMenuPopup(sub));
  onMenuSelect(1, 0x0011, top);     // with the keyboard, grayed: no Down
  EXPECT_FALSE(onInitMenuPopup(sub));  // reopening rebuilds, never doubles
  FakeMenu* deep = sub->items[1].submenu;
  DirEntries.marked[6] = 1;
  onInitMenuPopup(deep);
  EXPECT_EQ(describeMenu(deep), "[*Beta 2006]");
  onInitMenuPopup(sub);  // reopening destroys the old Deep submenu
  EXPECT_EQ(dirEntryOfSubmenu(sub) * 10 + dirEntryOfSubmenu(top), 30 - 1);
  EXPECT_EQ(dirEntryOfSubmenu(deep), -1);  // a destroyed handle names no entry
  destroySubmenus(top);
  plat::destroyMenu(top);
  EXPECT_EQ(fake().liveMenus(), 0);
  EXPECT_EQ(dirEntryOfSubmenu(sub) + dirEntryOfSubmenu(deep), -2);

  ASSERT_EQ(load("[dir]\nC:\\Work\n%end\n[group]\n@direct\n@break\n{&One\n}\n{Two\n}\n%end\n"), 1);
  RunState.transferMode = kTransferCopy;
  RunState.folderInternal = 1;
  addFolder("C:\\in\\dir");
  setSources({"C:\\in\\dir", "C:\\in\\a.txt"});
  EXPECT_EQ(describeMenu(topMenu()), "[Work 2000|/&One 3200|Two 3201|-|! dir [ +1 ] ( &1 ) 3650]");
  setSources({"C:\\" + std::string(258, 'n')});
  EXPECT_EQ(sourceItemText().size(), 259u);
}

// A submenu is known by its own handle: Wine sends no WM_MENUSELECT when one
// closes with Left or Escape, so the last highlight may be inside it.
TEST_F(MenuTest, HooksMarkOnlyVisibleFolderItems) {
  ASSERT_EQ(load("[dir]\nC:\\Work\n{Sub\nD:\\X\n{Deep\nD:\\Beta\n}\n}\n%end\n"), 1);
  FakeMenu* top = topMenu();
  FakeMenu* sub = top->byId(2001)->submenu;
  onMenuSelect(1, 0x0010, top);
  onInitMenuPopup(sub);
  onMenuSelect(1, 0x0010, sub);  // Deep highlighted, then Left closes Sub
  onUninitMenuPopup(sub);
  onInitMenuPopup(sub);
  EXPECT_EQ(describeMenu(sub), "[X 2002|Deep> 2003]");
  onMenuSelect(2002, 0, sub);
  EXPECT_TRUE(onMenuKey(kVkSpace, true));
  EXPECT_TRUE(sub->byId(2002)->checked);
  onUninitMenuPopup(sub);  // X is hidden now and cannot be unmarked
  EXPECT_FALSE(onMenuMouseDown(true, false));
  onMenuSelect(2000, 0, top);
  onUninitMenuPopup(sub);  // another popup closing leaves this highlight
  EXPECT_TRUE(onMenuMouseDown(true, false));
  EXPECT_TRUE(onMenuMouseDown(true, false));  // again: unmarked
  onMenuSelect(kSourceItemId, 0, top);
  EXPECT_FALSE(onMenuKey(kVkSpace, true));
  onMenuSelect(0, 0xFFFF, nullptr);  // the menu closed
  EXPECT_FALSE(onMenuMouseDown(true, false));
  EXPECT_EQ(DirEntries.markedCount, 1);
  EXPECT_FALSE(onKillFocus());
  RunState.menuShowing = 1;
  EXPECT_TRUE(onKillFocus());
  EXPECT_EQ(onLeftButtonDown() * 10 + onLeftButtonDown(), 10);
}

TEST_F(MenuTest, KeysStillDownAndPlacement) {
  // Keys still down when the menu closes: a warning at poll 300, then one per
  // poll from 500.
  fake().asyncPollsDown[kVkControl] = 502;
  fake().asyncPollsDown[kVkShift] = 299;
  std::string log = choose(0);
  auto count = [](const std::string& text, const std::string& line) {
    size_t n = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count(log, "sleep 10\n") * 10 + count(log, "box Notice: ReleaseKeys\n"), 8014u);

  PlatWindow active = reinterpret_cast<PlatWindow>(7);
  RunState.previousForeground = active;
  fake().windowRects[active] = {100, 100, 301, 401};
  MenuPlacement p = menuPlacement();
  EXPECT_EQ(std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.flags), "200,250 278");
  fake().windowRects[active] = {100, 100, 100, 401};
  EXPECT_EQ(menuPlacement().x * 1000 + menuPlacement().y, 512370);
  fake().windowRects[active] = {100, 100, 101, 102};  // one pixel is a window
  EXPECT_EQ(menuPlacement().x * 1000 + menuPlacement().y, 100101);
  Config.menuPosition = kMenuAtMouseCentred;
  fake().cursorX = 5;
  fake().cursorY = 6;
  p = menuPlacement();
  EXPECT_EQ(p.x * 100 + p.y * 10 + p.flags, 500 + 60 + 0x0112);
}
