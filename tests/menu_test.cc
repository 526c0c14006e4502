#include "app/host_messages.h"
#include "app/menu_hooks.h"
#include "app/startup.h"
#include "menu/menu_actions.h"
#include "menu/menu_build.h"
#include "menu/menu_run.h"
#include "state/left_out_names.h"
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
    s += std::string(item.flags & kMenuBarBreak ? "|" : "") + (item.checked ? "*" : "") + item.text +
         (item.submenu ? ">" : "") + " " + std::to_string(item.id) + "\n";
  }
  return s;
}

}  // namespace

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
  void useProgram(const char* params) {
    RunState.execMode = kExecFirst;
    copyText(RunState.execProgram, kPathSize, "C:\\Tools\\rec.exe");
    copyText(RunState.execParams, kPathSize, params);
  }
};

TEST_F(MenuTest, ItemsLevelsGroupsAndClosingItems) {
  ASSERT_EQ(load("[dir]\nC:\\Work\n+\n+\n{Projects\nD:\\Alpha\n{Deep\nD:\\Beta\n}\n+\n}\n"
                 "+\n-\nE:\\\n+\n%end\n[group]\n{&One\nD:\\G1\n}\n{Two\n}\n%end\n"), 1);
  setSources({"C:\\in\\a.txt", "C:\\in\\a.txt"});
  RunState.transferMode = kTransferMove;
  FakeMenu* top = topMenu();
  EXPECT_EQ(describe(top), "Work 2000\n-\nProjects> 2003\n|E:\\ 2012\n-\n&@ Group> 3250\n-\n"
                           "*a.txt [ +1 ] ( &1 ) 3650\n");
  EXPECT_EQ(describe(top->items[5].submenu), "&One 3200\nTwo 3201\n");
  FakeMenu* sub = top->items[2].submenu;
  EXPECT_TRUE(sub->items.empty());  // filled when it opens
  onMenuSelect(2, 0x8010, top);     // opened with the mouse: Down follows
  EXPECT_TRUE(onInitMenuPopup(sub));
  onMenuSelect(1, 0x0010, top);     // with the keyboard: no Down
  EXPECT_FALSE(onInitMenuPopup(sub));  // reopening rebuilds, never doubles
  EXPECT_EQ(describe(sub), "Alpha 2004\nDeep> 2005\n");
  FakeMenu* deep = sub->items[1].submenu;
  DirEntries.marked[6] = 1;
  onInitMenuPopup(deep);
  EXPECT_EQ(describe(deep), "*Beta 2006\n");
  int live = fake().liveMenus();
  onInitMenuPopup(sub);
  EXPECT_EQ(fake().liveMenus(), live);  // the old Deep submenu is gone
  EXPECT_EQ(dirEntryOfSubmenu(sub) * 10 + dirEntryOfSubmenu(top), 30 - 1);
  destroySubmenus(top);
  plat::destroyMenu(top);
  EXPECT_EQ(fake().liveMenus(), 0);

  ASSERT_EQ(load("[dir]\nC:\\Work\n%end\n[group]\n@direct\n@break\n{&One\n}\n{Two\n}\n%end\n"), 1);
  RunState.transferMode = kTransferCopy;
  RunState.folderInternal = 1;
  addFolder("C:\\in\\dir");
  setSources({"C:\\in\\dir", "C:\\in\\a.txt"});
  EXPECT_EQ(describe(topMenu()), "Work 2000\n|&One 3200\nTwo 3201\n-\n! dir [ +1 ] ( &1 ) 3650\n");
  ASSERT_EQ(load("[group]\n@direct\n{A\n}\n%end\n"), 1);
  RunState.folderInternal = 0;
  setSources({"C:\\in\\dir"});
  EXPECT_EQ(describe(topMenu()), "A 3200\n-\ndir ( &1 ) 3650\n");
  setSources({"C:\\" + std::string(258, 'n')});
  EXPECT_EQ(sourceItemText().size(), 259u);
  PlatMenu menu = plat::createPopupMenu();
  appendClosingItems(menu, 1);
  EXPECT_EQ(describe(static_cast<FakeMenu*>(menu)), "Falvex.ini ( &1 ) 3660\n-\n&Help 3670\n&Version 3680\n");
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
  EXPECT_EQ(describe(sub), "X 2002\nDeep> 2003\n");
  onMenuSelect(2002, 0, sub);
  EXPECT_TRUE(onMenuKey(kVkSpace, true));
  EXPECT_FALSE(onMenuKey(kVkSpace, false));  // a release passes on
  EXPECT_TRUE(sub->byId(2002)->checked);
  onUninitMenuPopup(sub);  // X is hidden now and cannot be unmarked
  EXPECT_FALSE(onMenuMouseDown(true, false));
  onMenuSelect(2000, 0, top);
  onUninitMenuPopup(sub);  // another popup closing leaves this highlight
  EXPECT_TRUE(onMenuMouseDown(true, false));
  EXPECT_EQ(DirEntries.markedCount * 10 + DirEntries.marked[0] + DirEntries.marked[2], 22);
  EXPECT_TRUE(onMenuMouseDown(true, false));  // again: unmarked
  EXPECT_FALSE(top->byId(2000)->checked);
  EXPECT_FALSE(onMenuMouseDown(false, true));  // the right button swaps, passes on
  EXPECT_EQ(RunState.invertTransfer, 1);
  onMenuSelect(kSourceItemId, 0, top);
  EXPECT_FALSE(onMenuKey(kVkSpace, true));
  onMenuSelect(0, 0xFFFF, nullptr);  // the menu closed
  EXPECT_FALSE(onMenuMouseDown(true, false));
  EXPECT_EQ(DirEntries.markedCount, 1);
  PlatMenu other = plat::createMenu();  // no [dir] opener's menu: left alone
  onInitMenuPopup(other);
  EXPECT_EQ(plat::menuItemCount(other), 0);
  EXPECT_FALSE(onKillFocus());
  RunState.menuShowing = 1;
  EXPECT_TRUE(onKillFocus());
  EXPECT_EQ(onLeftButtonDown() * 10 + onLeftButtonDown(), 10);
}

class MenuRunTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    ASSERT_EQ(load("[system]\n@filer=C:\\Tools\\filer.exe\n>/o %P\n%end\n"
                   "[dir]\nC:\\Work\nD:\\Alpha\nD:\\Beta\n%end\n[group]\n{Both\nD:\\G1\nD:\\G2\n}\n%end\n"), 1);
    takeLog();
  }
};

const char kShow[] = "hooks\nfront\ntrack 512,370 116\nnull\nunhooks\n";

// What each choice sends where; "M" marks move mode, "S" Shift held, "R"
// the right button, "C" Ctrl, "E" /#e, "I" folder contents, "X" a program.
TEST_F(MenuRunTest, ChoicesAndWhatTheyDo) {
  addFile("C:\\box\\b.txt");
  addFolder("C:\\box\\sub");
  struct Case {
    int id;
    std::vector<int> marks;
    const char* flags;
    std::string log;
  } cases[] = {
      {2001, {2, 1}, "M", "copy 40 C:\\in\\a.txt > D:\\Alpha\nmove 40 C:\\in\\a.txt > D:\\Beta\nbeep\n"},
      {2000, {}, "SC", "move 40 C:\\in\\a.txt > C:\\Work\nbeep\nrun C:\\Tools\\filer.exe|/o C:\\Work\\|C:\\Tools\\\n"},
      {2000, {}, "MSR", "copy 40 C:\\in\\a.txt > C:\\Work\nbeep\n"},  // one swap
      {3200, {0}, "R", "copy 40 C:\\in\\a.txt > D:\\G1\nmove 40 C:\\in\\a.txt > D:\\G2\nbeep\n"},
      {3200, {}, "MSE", "copy 40 C:\\in\\a.txt > D:\\G1\ncopy 40 C:\\in\\a.txt > D:\\G2\nbeep\n"
                        "run C:\\Tools\\filer.exe|/o D:\\G1\\|C:\\Tools\\\n"},
      {3200, {}, "XE", "run C:\\Tools\\rec.exe|D:\\G1 C:\\in\\a.txt|C:\\Tools\\\n"
                       "run C:\\Tools\\rec.exe|D:\\G2 C:\\in\\a.txt|C:\\Tools\\\n"},
      {2002, {}, "I", "copy 40 C:\\box\\b.txt;C:\\box\\sub > D:\\Beta\nbeep\n"},
      {2002, {}, "IX", "run C:\\Tools\\rec.exe|D:\\Beta C:\\box\\b.txt C:\\box\\sub\\|C:\\Tools\\\n"},
      {kSourceItemId, {0, 1}, "MRC", "browse BrowseCopy C:\\in\n"},  // browsed folder gone
      {kHelpItemId, {}, "", "run C:\\Tools\\filer.exe|C:\\Prog\\Falvex.txt|C:\\Tools\\\n"},
      {kVersionItemId, {}, "", "front\nbox VersionTitle: Version\n"},
      {0, {}, "C", ""},
      {3999, {}, "", ""},
  };
  for (const Case& c : cases) {
    std::string f = c.flags;
    auto has = [&](char flag) { return f.find(flag) != std::string::npos; };
    RunState.transferMode = has('M') ? kTransferMove : kTransferCopy;
    RunState.openAfter = has('E');
    RunState.invertTransfer = 0;
    fake().keysDown.clear();
    if (has('S')) fake().keysDown.insert(kVkShift);
    if (has('C')) fake().keysDown.insert(kVkControl);
    RunState.folderInternal = has('I');
    setSources({has('I') ? "C:\\box" : "C:\\in\\a.txt"});
    fake().browseAnswer = "D:\\Gone";
    ASSERT_EQ(load("[system]\n@filer=C:\\Tools\\filer.exe\n>/o %P\n%end\n"
                   "[dir]\nC:\\Work\nD:\\Alpha\nD:\\Beta\n%end\n[group]\n{Both\nD:\\G1\nD:\\G2\n}\n%end\n"), 1);
    copyText(Config.editorPath, kPathSize, "C:\\Tools\\filer.exe");
    if (has('X')) useProgram("%-P %M");
    EXPECT_EQ(choose(c.id, c.marks, has('R')), kShow + c.log) << c.id << " " << f;
    EXPECT_EQ(fake().liveMenus(), 0);
    EXPECT_EQ(RunState.menuShowing, 0);
  }
}

TEST_F(MenuRunTest, BrowsingMovesNamedGroupsAndKeys) {
  addFolder("D:\\Base");
  fake().browseAnswer = "D:\\Beta";
  RunState.transferMode = kTransferMove;
  EXPECT_EQ(choose(kSourceItemId, {0, 1}), std::string(kShow) +
            "browse BrowseMove C:\\in\nmove 40 C:\\in\\a.txt > D:\\Beta\nbeep\n");
  EXPECT_EQ(DirEntries.count, 1);
  fake().browseAnswer = "";  // cancelled after marking: nothing
  ASSERT_EQ(load("[dir]\nC:\\Work\nD:\\Alpha\n%end\n"), 1);
  EXPECT_EQ(choose(kSourceItemId, {0, 1}), std::string(kShow) + "browse BrowseMove C:\\in\n");
  fake().browseAnswer = unheld("D:\\Caf#");  // best fit would give D:\Cafe
  addFolder("D:\\Cafe");
  EXPECT_EQ(choose(kSourceItemId), std::string(kShow) + "browse BrowseMove C:\\in\nfront\nbox Notice: UnheldNames " +
                                       unheld("D:\\Caf#") + "\n");

  // Preset runs: the browser opens on the base folder, "up" never passes a root.
  copyText(RunState.baseFolder, kPathSize, "D:\\Base");
  RunState.presetDestination = kPresetBrowse;
  RunState.openAfter = 1;
  RunState.folderInternal = 1;
  addFile("C:\\box\\b.txt");
  setSources({"C:\\box"});
  fake().browseAnswer = "D:\\Alpha";
  runPresetDestination(nullptr);
  EXPECT_EQ(takeLog(), "browse BrowseMoveInternal D:\\Base\nmove 40 C:\\box\\b.txt > D:\\Alpha\nbeep\n"
                       "run D:\\Alpha|(none)|(none)\n");  // no file manager: the shell's
  RunState.presetDestination = 5;
  runPresetDestination(nullptr);
  EXPECT_EQ(takeLog(), "");

  // /#g= runs its group at once: no menu, Ctrl not asked, 50 ms before opening.
  copyText(RunState.groupName, kPathSize, "BOTH");
  RunState.presetDestination = kPresetNone;
  RunState.folderInternal = 0;
  setSources({"C:\\in\\a.txt"});
  fake().keysDown = {kVkControl};
  ASSERT_EQ(load("[system]\n@filer=C:\\Tools\\filer.exe\n>/o %P\n%end\n[group]\n{Both\nD:\\G1\nD:\\G2\n}\n%end\n"), 1);
  EXPECT_EQ(choose(2000), "copy 40 C:\\in\\a.txt > D:\\G1\nmove 40 C:\\in\\a.txt > D:\\G2\nbeep\n"
                          "sleep 50\nrun C:\\Tools\\filer.exe|/o D:\\G1\\|C:\\Tools\\\n");
  EXPECT_EQ(fake().liveMenus(), 0);
  copyText(RunState.groupName, kPathSize, "Bot");
  EXPECT_EQ(choose(0).substr(0, 6), "hooks\n");

  // Keys still down when the menu closes: a warning at poll 300, then one per
  // poll from 500.
  RunState.groupName[0] = '\0';
  fake().asyncPollsDown[kVkControl] = 502;
  fake().asyncPollsDown[kVkShift] = 299;
  std::string log = choose(0);
  auto count = [](const std::string& text, const std::string& line) {
    size_t n = 0;
    for (size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count(log, "sleep 10\n") * 10 + count(log, "box Notice: ReleaseKeys\n"), 8014u);
  EXPECT_EQ(count(log.substr(0, log.find("box")), "sleep 10\n"), 300u);
}

TEST_F(MenuRunTest, PlacementDispatchAndLeftOutNames) {
  PlatWindow active = reinterpret_cast<PlatWindow>(7);
  RunState.previousForeground = active;
  fake().windowRects[active] = {100, 100, 301, 401};
  MenuPlacement p = menuPlacement();
  EXPECT_EQ(std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.flags), "200,250 278");
  fake().windowRects[active] = {100, 100, 100, 401};
  EXPECT_EQ(menuPlacement().x * 1000 + menuPlacement().y, 512370);
  Config.menuPosition = kMenuAtMouseCentred;
  fake().cursorX = 5;
  fake().cursorY = 6;
  p = menuPlacement();
  EXPECT_EQ(p.x * 100 + p.y * 10 + p.flags, 500 + 60 + 0x0112);
  Config.menuPosition = kMenuAtMouse;
  EXPECT_EQ(menuPlacement().flags, 0x0102u);
  Config.menuPosition = kMenuAtCoordinates;
  Config.menuX = 1920;
  EXPECT_EQ(menuPlacement().x, 1920);

  // The single run: sources give the menu, none the short one, a preset no
  // menu, /#c the clipboard only without sources.
  Config.menuPosition = kMenuAtScreenCentre;
  addFile(unheld("C:\\in\\#.txt"));
  fake().hasText = true;
  fake().clipboard = "C:\\in\\a.txt\r\n";
  std::string holder = unheld("C:\\in\\#.txt");
  std::pair<std::string, std::string> runs[] = {
      {"C:\\in\\a.txt", "hooks\nfront\ntrack 512,370 116\n"},
      {"/#c C:\\in\\a.txt", "hooks\nfront\ntrack 512,370 116\n"},
      {"/#c", "clip\nunclip\nhooks\nfront\ntrack 512,370 116\n"},
      {"", "hooks\nfront\ntrack 512,370 116\n"},
      {holder + " C:\\in\\a.txt", "front\nbox Notice: UnheldNames " + holder + "\nhooks\nfront\ntrack 512,370 116\n"},
      {holder, "front\nbox Notice: UnheldNames " + holder + "\n"},
      {"/#1 C:\\in\\a.txt", "copy 40 C:\\in\\a.txt > C:\\\nbeep\n"},
      {"/#1 C:\\in\\missing.txt", "hooks\nfront\ntrack 512,370 116\n"},
  };
  std::string firstItem;
  fake().onTrack = [&](FakeMenu* menu) {
    firstItem = menu->items[0].text;
    return 0;
  };
  for (auto& r : runs) {
    resetLeftOutNames();
    RunState.commandLine = r.first.c_str();
    RunState.presetDestination = r.first.compare(0, 3, "/#1") == 0 ? 1 : kPresetNone;
    dispatchRun(nullptr);
    std::string log = takeLog();
    EXPECT_EQ(log.substr(0, log.find("null\n")), r.second) << r.first;
  }
  EXPECT_EQ(firstItem, "Falvex.ini ( &1 )");
}
