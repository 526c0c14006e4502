#include "tests/run_fixture.h"

// Separators where none can show, a submenu two deep, a new column: the
// menu as it shows; submenus fill as they open, by mouse (Down follows) or
// keyboard, and reopen without doubling; a marked entry shows checked there.
TEST_F(RunTest, SubmenusFillAsTheyOpen) {
  const std::string config = R"([dir]
C:\Work
+
+
{Projects
D:\Alpha
{Deep
D:\Beta
}
+
}
+
-
E:\
+
%end
[group]
{&One
D:\G1
}
{Two
}
%end
)";
  std::vector<Step> steps = {openByKeyboard("&@ Group"), openByMouse("Projects"),
                             openByKeyboard("Projects"), openByKeyboard("Deep")};
  steps = steps + mark("Beta") + closeSubmenu("Deep") + openByKeyboard("Deep") + choose("Work");
  EXPECT_EQ(run("/#d=move C:\\in\\a.txt C:\\in\\a.txt", steps, {}, config),
            withoutFirstLineFeed(R"(
menu [Work|-|Projects>|/E:\|-|&@ Group>|-|*a.txt [ +1 ] ( &1 )]
open [&One|Two]
open down [Alpha|Deep>]
open [Alpha|Deep>]
open [Beta]
kept [*Beta]
open [*Beta]
menu closed
copy undo C:\in\a.txt;C:\in\a.txt > C:\Work
move undo C:\in\a.txt;C:\in\a.txt > D:\Beta
beep
)"));
}

// Keys still down when the menu closes: a warning at poll 300, then one per
// poll from 500, until the keys are up.
TEST_F(RunTest, KeysStillDownAreWaitedFor) {
  fake().asyncPollsDown[kVkControl] = 502;
  fake().asyncPollsDown[kVkShift] = 299;
  std::istringstream log(run("C:\\in\\a.txt"));
  std::map<std::string, int> lines;
  for (std::string line; std::getline(log, line);) ++lines[line];
  EXPECT_EQ(lines["sleep 10"], 801);
  EXPECT_EQ(lines["box Notice: ReleaseKeys"], 4);
}

// Where the menu shows: over the active window's centre, the screen's
// centre for a window without width or height, or at the mouse.
TEST_F(RunTest, MenuPlacement) {
  PlatWindow active = reinterpret_cast<PlatWindow>(7);
  RunState.previousForeground = active;
  struct Case {
    const char* what;
    std::vector<int> rect;
    int x, y;
  } cases[] = {
      {"the active window's centre", {100, 100, 301, 401}, 200, 250},
      {"a window without height: the screen's centre", {100, 100, 301, 100}, 512, 370},
      {"a window without width: the screen's centre", {100, 100, 100, 401}, 512, 370},
  };
  for (const Case& c : cases) {
    fake().windowRects[active] = c.rect;
    MenuPlacement p = menuPlacement();
    EXPECT_EQ(p.x, c.x) << c.what;
    EXPECT_EQ(p.y, c.y) << c.what;
    EXPECT_EQ(p.flags, kTrackReturnCmd | kTrackRightButton | kTrackCenterAlign | kTrackVCenterAlign)
        << c.what;
  }
  fake().cursorX = 5;
  fake().cursorY = 6;
  Config.menuPosition = kMenuAtMouse;
  MenuPlacement p = menuPlacement();
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.y, 6);
  EXPECT_EQ(p.flags, kTrackReturnCmd | kTrackRightButton);
  Config.menuPosition = kMenuAtMouseCentred;
  EXPECT_EQ(menuPlacement().flags, kTrackReturnCmd | kTrackRightButton | kTrackVCenterAlign);
  setSources({"C:\\" + std::string(258, 'n')});
  EXPECT_EQ(sourceItemText().size(), 259u) << "the source item's text is cut to a path";
}
