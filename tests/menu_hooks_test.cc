#include "tests/run_fixture.h"

// Only a folder item that shows can be marked: not one in a submenu that
// closed, not the source item, nothing once the menu closed. A press that
// marks is kept from the menu; others reach it.
TEST_F(RunTest, OnlyAVisibleFolderItemIsMarked) {
  std::vector<Step> steps = {openByKeyboard("Sub"), highlight("Beta"), closeSubmenu("Sub"),
                             middleButton(), highlight("a.txt ( &1 )"), spacePeeked(),
                             middleButton(), highlight(""), middleButton(), highlight("Work"),
                             spaceUp(), choose("Alpha")};
  EXPECT_EQ(run("C:\\in\\a.txt", steps),
            withoutFirstLineFeed(R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
open [Beta|Deep>]
menu closed
copy undo C:\in\a.txt > D:\Alpha
beep
)"));
}

// Marks made in a submenu and in the main menu add up, each shown checked
// where it was made; a second middle button on a marked item unmarks it,
// and the chosen item is sent to as well.
TEST_F(RunTest, MarksAddUpAcrossMenus) {
  std::vector<Step> steps = {openByKeyboard("Sub"), highlight("Beta"), spaceTaken(),
                             closeSubmenu("Sub"), openByKeyboard("Sub"), highlight("Work"),
                             closeSubmenu("Deep"), middleButton()};
  steps = steps + mark("Alpha") + mark("Alpha") + choose("Alpha");
  EXPECT_EQ(run("C:\\in\\a.txt", steps),
            withoutFirstLineFeed(R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
open [Beta|Deep>]
kept [*Beta|Deep>]
open [*Beta|Deep>]
kept [*Work|Alpha|-|*Sub>|-|&@ Group>|-|a.txt ( &1 )]
kept [*Work|*Alpha|-|*Sub>|-|&@ Group>|-|a.txt ( &1 )]
kept [*Work|Alpha|-|*Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > C:\Work
copy undo C:\in\a.txt > D:\Alpha
copy undo C:\in\a.txt > D:\Beta
beep
)"));
}

// Space as each menu loop hands it to the hook: one toggle per keystroke,
// a repeat toggling again. A marked Work gets a copy before the move.
TEST_F(RunTest, SpaceTogglesOncePerKeystroke) {
  const std::vector<Step> peekedThenTaken = {spacePeeked(), spaceTaken()};
  const struct {
    const char* what;
    std::vector<Step> keys;
    bool marked;
  } rows[] = {
      {"peeked, then taken", peekedThenTaken, true},
      {"taken only", {spaceTaken()}, true},
      {"peeked, swallowed and dropped (Wine)", {spacePeeked()}, true},
      {"a repeat, peeked and taken", peekedThenTaken + peekedThenTaken, false},
      {"a repeat, peeked twice", {spacePeeked(), spacePeeked()}, false},
      {"a repeat after the key went up", {spacePeeked(), spaceUp(), spaceTaken()}, false},
  };
  for (const auto& row : rows) {
    std::string log = run("/#d=move C:\\in\\a.txt",
                          std::vector<Step>{highlight("Work")} + row.keys + choose("Alpha"));
    EXPECT_EQ(log.find("copy undo C:\\in\\a.txt > C:\\Work\n") != std::string::npos, row.marked)
        << row.what << "\n" << log;
  }
}

// Focus lost while the menu shows: the click that took it is swallowed once.
TEST_F(RunTest, FocusLostWhileTheMenuShows) {
  EXPECT_FALSE(onKillFocus());
  RunState.menuShowing = 1;
  EXPECT_TRUE(onKillFocus());
  EXPECT_EQ(onLeftButtonDown(), 1);
  EXPECT_EQ(onLeftButtonDown(), 0);
}
