#include "app/host_messages.h"
#include "app/menu_hooks.h"
#include "app/startup.h"
#include "menu/menu_build.h"
#include "menu/menu_run.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

namespace {

const char kConfig[] =
    "[system]\n@filer=C:\\Tools\\filer.exe\n>/o %P\n@editor=C:\\Tools\\filer.exe\n%end\n"
    "[dir]\nC:\\Work\nD:\\Alpha\n+\n{Sub\nD:\\Beta\n{Deep\nD:\\G1\n}\n}\n%end\n"
    "[group]\n{A\nD:\\G1\nD:\\G2\n}\n%end\n[exec]\nC:\\Tools\\rec.exe | Rec\n>%-P %M\n%end\n";

// Separators where none can show, a submenu two deep, a new column, groups.
const char kLevels[] =
    "[dir]\nC:\\Work\n+\n+\n{Projects\nD:\\Alpha\n{Deep\nD:\\Beta\n}\n+\n}\n+\n-\nE:\\\n+\n%end\n"
    "[group]\n{&One\nD:\\G1\n}\n{Two\n}\n%end\n";
const char kDirect[] = "[dir]\nC:\\Work\n%end\n[group]\n@direct\n@break\n{&One\nD:\\G1\n}\n{Two\n}\n%end\n";

const char kMenu[] = "[Work 2000|Alpha 2001|-|Sub> 2003|-|&@ Group> 3250|-|";

}  // namespace

class RunTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* f : {"C:\\Work", "D:\\Alpha", "D:\\Beta", "D:\\G1", "D:\\G2", "D:\\Base", "E:\\", "C:\\empty"})
      addFolder(f);
    for (const char* f : {"C:\\in\\a.txt", "C:\\Tools\\filer.exe", "C:\\Tools\\rec.exe", "C:\\box\\b.txt",
                          "C:\\in\\sub\\d.txt", "C:\\src\\.hidden", "C:\\src\\sub\\deep.txt"})
      addFile(f);
    addFile(unheld("C:\\box\\#.txt"));
  }
  // One whole run: the configuration, the command line, the keys held, and
  // what the user does while the menu shows, a token each. "h2001"
  // highlights item 2001 in the menu that holds it ("h0": the menu closed);
  // "M" and "S" press the middle button and Space, "s" releases Space; when
  // the hook keeps the press from the menu, "kept" and that menu are logged.
  // "m2001" is "h2001 M" unlogged; "r" presses the right button. "o2003" and
  // "O2003" open the submenu of item 2003 with the keyboard (as a grayed
  // opener) or the mouse (its items are logged, "down" when Down follows),
  // "c2003" closes it. "F2" and "A2" have the second file operation fail or
  // be cancelled in part, "V" removes D:\G2. "x", "u" and "n" have the
  // browser cancelled, answer a name the code page cannot hold or a folder
  // that is not there; a bare number is the choice.
  std::string run(const std::string& commandLine, const std::string& user = "",
                  std::set<int> keys = {}, const std::string& config = kConfig) {
    resetRunState();
    resetConfigModel();
    resetLeftOutNames();
    deriveProgramNames("C:\\Prog\\Falvex.exe");
    initPathsAndMetrics(1024, 740, 3);
    addFile("C:\\Prog\\Falvex.ini", config);
    fake().keysDown = keys;
    fake().failAtOp = fake().abortAtOp = 0;
    addFolder("D:\\G2");
    fake().onTrack = [&](FakeMenu* menu) {
      int choice = 0;
      std::istringstream tokens(user);
      for (std::string t; tokens >> t;) {
        int id = isdigit(t.back()) ? std::stoi(t.substr(isdigit(t[0]) ? 0 : 1)) : 0;
        FakeMenu* owner = menu;  // the live menu that holds item id
        for (auto& m : fake().menus) owner = !m->destroyed && m->byId(id) ? m.get() : owner;
        FakeMenuItem* item = owner->byId(id);
        if (t == "x" || t == "u" || t == "n") {  // the browser is cancelled, answers a marked name or none
          fake().browseAnswer = t == "x" ? "" : t == "u" ? unheld("D:\\Caf#") : "D:\\Gone";
        } else if (t[0] == 'F' || t[0] == 'A') {  // that file operation fails, or is cancelled in part
          (t[0] == 'F' ? fake().failAtOp : fake().abortAtOp) = id;
        } else if (t == "V") {  // a group member vanishes while the menu shows
          removeEntry("D:\\G2");
        } else if (t == "r") {
          onMenuMouseDown(false, true);
        } else if (t == "M" || t == "S" || t == "s") {
          if (t == "M" ? onMenuMouseDown(true, false) : onMenuKey(kVkSpace, t == "S"))
            fake().log += "kept " + describeMenu(static_cast<FakeMenu*>(RunState.menuSelMenu)) + "\n";
        } else if (t[0] == 'h' || t[0] == 'm') {
          onMenuSelect(id, id ? 0 : 0xFFFF, id ? owner : nullptr);
          if (t[0] == 'm') onMenuMouseDown(true, false);
        } else if (t[0] == 'c') {
          onUninitMenuPopup(item->submenu);
        } else if (t[0] == 'o' || t[0] == 'O') {
          onMenuSelect(static_cast<int>(item - owner->items.data()), t[0] == 'O' ? 0x8010 : 0x0011, owner);
          bool down = onInitMenuPopup(item->submenu);
          fake().log += std::string("open ") + (down ? "down " : "") + describeMenu(item->submenu) + "\n";
        } else {
          choice = id;
        }
      }
      return choice;
    };
    RunState.commandLine = commandLine.c_str();
    if (runStartupSteps(nullptr, keys.count(kVkShift) > 0)) dispatchRun(nullptr);
    return takeLog();
  }
};

TEST_F(RunTest, WholeRuns) {
  const std::set<int> shift = {kVkShift}, ctrl = {kVkControl}, both = {kVkShift, kVkControl};
  const std::string show = "hooks\nfront\ntrack 512,370 116 ", after = "null\nunhooks\n";
  const std::string item = "a.txt ( &1 ) 3650]\n", copyA = "copy 40 C:\\in\\a.txt > ";
  const std::string marked = unheld("C:\\box\\#.txt"), told = "front\nbox Notice: UnheldNames ";
  // The menu as it shows for C:\in\a.txt (its item checked in move mode) and
  // for the folder C:\box, closed again.
  const std::string shown = show + kMenu + item + after, shownMove = show + kMenu + "*" + item + after;
  const std::string shownBox = show + kMenu + "! box ( &1 ) 3650]\n" + after;
  fake().clipboardBlocks[plat::kClipboardUnicodeText] = unicodeTextBlock("C:\\in\\a.txt\r\n");
  struct Case {
    std::string commandLine, user;
    std::set<int> keys;
    std::string log, config = kConfig;
  } cases[] = {
      {"/#d=move C:\\in\\a.txt", "m2000 m2001 2001", {}, shownMove + copyA + "C:\\Work\nmove 40 C:\\in\\a.txt > D:\\Alpha\nbeep\n"},
      {"/#d=move /#w C:\\in\\a.txt", "2000", both, shownMove +
       "copy 50 C:\\in\\a.txt > C:\\Work\nbeep\nrun C:\\Tools\\filer.exe|/o C:\\Work\\|C:\\Tools\\\n"},
      {"C:\\in\\a.txt", "r 3200", {}, shown + copyA + "D:\\G1\nmove 40 C:\\in\\a.txt > D:\\G2\nbeep\n"},
      {"/#d=move C:\\in\\a.txt", "3200", shift, shownMove + copyA + "D:\\G1\n" + copyA + "D:\\G2\nbeep\n"},
      {"/#a /#e C:\\in\\a.txt", "3200", {}, shown +
       "run C:\\Tools\\rec.exe|D:\\G1 C:\\in\\a.txt|C:\\Tools\\\nrun C:\\Tools\\rec.exe|D:\\G2 C:\\in\\a.txt|C:\\Tools\\\n"},
      {"/#a=rec /#K=sft C:\\box", "2000", {}, shownBox + told + marked + "\nrun C:\\Tools\\rec.exe|C:\\Work C:\\box\\b.txt|C:\\Tools\\\n"},
      {"/#d=move C:\\in\\a.txt", "m2000 m2001 3650", {}, shownMove + "browse BrowseMove C:\\in\nmove 40 C:\\in\\a.txt > D:\\Beta\nbeep\n"},
      {"/#g=a /#e C:\\in\\a.txt", "", ctrl, copyA + "D:\\G1\n" + copyA + "D:\\G2\nbeep\nsleep 50\n"
       "run C:\\Tools\\filer.exe|/o D:\\G1\\|C:\\Tools\\\n"},
      {"/#g=Ab C:\\in\\a.txt", "", {}, shown},
      {"/#d=move /#e C:\\in\\a.txt", "r 3650", {}, shownMove + "browse BrowseCopy C:\\in\n" + copyA +
       "D:\\Beta\nbeep\nrun C:\\Tools\\filer.exe|/o D:\\Beta\\|C:\\Tools\\\n"},
      {"/#0 /#K=sft C:\\box", "", {}, "browse BrowseCopyInternal C:\\\n" + told + marked +
       "\ncopy 40 C:\\box\\b.txt > D:\\Beta\nbeep\n"},
      {"/#1 C:\\in\\a.txt", "", {}, copyA + "C:\\\nbeep\n"},
      {"/#5 /#e C:\\in\\a.txt", "", {}, ""},  // above the root: nothing, not even the opening
      {"C:\\in\\a.txt", "m2000 m2001 x 3650", {}, shown + "browse BrowseCopy C:\\in\n"},
      {"C:\\in\\a.txt", "n 3650", {}, shown + "browse BrowseCopy C:\\in\n"},
      {"C:\\in\\a.txt", "u 3650", {}, shown + "browse BrowseCopy C:\\in\n" + told + unheld("D:\\Caf#") + "\n"},
      {"/#1 C:\\in\\missing.txt", "3670", {}, show + "[Falvex.ini ( &1 ) 3660|-|&Help 3670|&Version 3680]\n" +
       after + "run C:\\Tools\\filer.exe|C:\\Prog\\Falvex.txt|C:\\Tools\\\n"},
      {"", "3660", {}, show + "[Falvex.ini ( &1 ) 3660|-|&Help 3670|&Version 3680]\n" + after +
       "run C:\\Tools\\filer.exe|C:\\Prog\\Falvex.ini|C:\\Tools\\\n"},
      {"/#c", "3680", {}, "clip\nunclip\n" + shown + "front\nbox VersionTitle: Version\n"},
      {"/#s=gone.ini C:\\box", "", shift, shownBox},
      {"/#0=\"D:\\Base\" /#e C:\\in\\a.txt", "", {}, "browse BrowseCopy D:\\Base\n" + copyA +
       "D:\\Beta\nbeep\nrun C:\\Tools\\filer.exe|/o D:\\Beta\\|C:\\Tools\\\n"},
      {"/#m=100,200 " + marked + " C:\\in\\a.txt", "", {}, told + marked +
       "\nhooks\nfront\ntrack 100,200 102 " + kMenu + item + after},
      {"/#g=" + unheld("Caf#") + " " + marked, "", {}, told + marked + "\n"},
      // An error or a partial cancel stops the rest; so does a member that
      // vanished: a move would have renamed the sources into a file of its name.
      {"/#d=move C:\\in\\a.txt", "F1 3200", {}, shownMove + copyA + "D:\\G1\n"},
      {"/#d=move C:\\in\\a.txt", "A2 3200", {}, shownMove + copyA + "D:\\G1\nmove 40 C:\\in\\a.txt > D:\\G2\n"},
      {"C:\\in\\a.txt", "V 3200", {}, shown + copyA + "D:\\G1\nfront\nbox Notice: FolderMissing D:\\G2\n"},
      // Levels up never pass a root, which keeps its backslash; a folder's
      // entries, hidden ones too, not recursive; an empty folder sends nothing.
      {"/#2 C:\\in\\sub\\d.txt", "", {}, "copy 40 C:\\in\\sub\\d.txt > C:\\\nbeep\n"},
      {"/#K=sft C:\\src", "2000", {}, show + kMenu + "! src ( &1 ) 3650]\n" + after + "copy 40 C:\\src\\.hidden;C:\\src\\sub > C:\\Work\nbeep\n"},
      {"/#K=sft C:\\empty", "2000", {}, show + kMenu + "! empty ( &1 ) 3650]\n" + after},
      {"/#a /#K=sft C:\\empty", "2000", {}, show + kMenu + "! empty ( &1 ) 3650]\n" + after},
      // Submenus fill as they open, by mouse (Down follows) or keyboard, and
      // reopen without doubling; a marked entry shows checked.
      {"/#d=move C:\\in\\a.txt C:\\in\\a.txt", "o3250 O2003 o2003 o2005 m2006 c2005 o2005 2000", {},
       show + "[Work 2000|-|Projects> 2003|/E:\\ 2012|-|&@ Group> 3250|-|*a.txt [ +1 ] ( &1 ) 3650]\n"
       "open [&One 3200|Two 3201]\nopen down [Alpha 2004|Deep> 2005]\nopen [Alpha 2004|Deep> 2005]\nopen [Beta 2006]\n"
       "open [*Beta 2006]\n" + after + "copy 40 C:\\in\\a.txt;C:\\in\\a.txt > C:\\Work\nmove 40 C:\\in\\a.txt;C:\\in\\a.txt > D:\\Beta\nbeep\n", kLevels},
      {"/#K=sft C:\\box C:\\in\\a.txt", "3200", {}, show + "[Work 2000|/&One 3200|Two 3201|-|! box [ +1 ] ( &1 ) 3650]\n" +
       after + told + marked + "\ncopy 40 C:\\box\\b.txt > D:\\G1\nbeep\n", kDirect},
      {"C:\\in\\a.txt", "3201", {}, show + "[Work 2000|/&One 3200|Two 3201|-|" + item + after, kDirect},  // no beep
      {"C:\\in\\a.txt", "o2000 2001", {}, show + "[S> 2000|-|" + item + "open [Alpha 2001]\n" + after + copyA +
       "D:\\Alpha\nbeep\n", "[dir]\n{S\nD:\\Alpha\n}\n%end\n"},
      {"C:\\in\\a.txt", "", {}, show + "[" + item + after, ""},
      // A submenu is known by its own handle: Wine sends no WM_MENUSELECT when
      // one closes with Left or Escape, so the last highlight may be inside it.
      {"C:\\in\\a.txt", "o2003 o2005 c2005 c2003 o2003 2000", {}, show + kMenu + item +
       "open [Beta 2004|Deep> 2005]\nopen [G1 2006]\nopen [Beta 2004|Deep> 2005]\n" + after + copyA + "C:\\Work\nbeep\n"},
      // Only a visible folder item is marked: not one in a closed submenu, the
      // source item, an id past the folders, nothing after the menu closed.
      {"C:\\in\\a.txt", "o2003 h2004 c2003 M h3650 S M h3000 M h0 M h2000 s 2001", {}, show + kMenu + item +
       "open [Beta 2004|Deep> 2005]\n" + after + copyA + "D:\\Alpha\nbeep\n"},
      {"C:\\in\\a.txt", "o2003 h2004 S c2003 o2003 h2000 c2005 M m2001 m2001 2001", {}, show + kMenu + item +
       "open [Beta 2004|Deep> 2005]\nkept [*Beta 2004|Deep> 2005]\nopen [*Beta 2004|Deep> 2005]\nkept [*" +
       (kMenu + 1) + item + after + copyA + "C:\\Work\n" + copyA + "D:\\Alpha\n" + copyA + "D:\\Beta\nbeep\n"},
  };
  for (const Case& c : cases) {
    fake().browseAnswer = "D:\\Beta";
    EXPECT_EQ(run(c.commandLine, c.user, c.keys, c.config), c.log) << c.commandLine << " | " << c.user;
    for (auto& m : fake().menus) {  // every menu is gone, and a gone handle names nothing
      EXPECT_TRUE(m->destroyed);
      EXPECT_EQ(dirEntryOfSubmenu(m.get()), -1);
    }
  }
  // Without a file manager the shell opens the folder itself.
  EXPECT_EQ(run("/#g=a /#e C:\\in\\a.txt", "", {}, "[group]\n{A\nD:\\G1\n}\n%end\n"),
            "copy 40 C:\\in\\a.txt > D:\\G1\nbeep\nsleep 50\nrun D:\\G1|(none)|(none)\n");
}

TEST_F(RunTest, KeysStillDownPlacementAndFocus) {
  // Keys still down when the menu closes: a warning at poll 300, then one per
  // poll from 500.
  fake().asyncPollsDown[kVkControl] = 502;
  fake().asyncPollsDown[kVkShift] = 299;
  std::istringstream log(run("C:\\in\\a.txt"));
  std::map<std::string, int> lines;
  for (std::string line; std::getline(log, line);) ++lines[line];
  EXPECT_EQ(lines["sleep 10"] * 10 + lines["box Notice: ReleaseKeys"], 8014);

  PlatWindow active = reinterpret_cast<PlatWindow>(7);
  RunState.previousForeground = active;
  fake().windowRects[active] = {100, 100, 301, 401};
  MenuPlacement p = menuPlacement();
  EXPECT_EQ(std::to_string(p.x) + "," + std::to_string(p.y) + " " + std::to_string(p.flags), "200,250 278");
  // A window without width or height is none: the screen's centre; one pixel is one.
  for (auto& [rect, place] : {std::make_pair(std::vector<int>{100, 100, 100, 401}, 512370),
                              {{100, 100, 101, 102}, 100101}, {{100, 100, 301, 100}, 512370}}) {
    fake().windowRects[active] = rect;
    EXPECT_EQ(menuPlacement().x * 1000 + menuPlacement().y, place) << rect[2] << "," << rect[3];
  }
  Config.menuPosition = kMenuAtMouseCentred;
  fake().cursorX = 5;
  fake().cursorY = 6;
  p = menuPlacement();
  EXPECT_EQ(p.x * 100 + p.y * 10 + p.flags, 500 + 60 + 0x0112);
  setSources({"C:\\" + std::string(258, 'n')});
  EXPECT_EQ(sourceItemText().size(), 259u);

  // Focus lost while the menu shows: the click that took it is swallowed once.
  EXPECT_FALSE(onKillFocus());
  RunState.menuShowing = 1;
  EXPECT_TRUE(onKillFocus());
  EXPECT_EQ(onLeftButtonDown() * 10 + onLeftButtonDown(), 10);
}
