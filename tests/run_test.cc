#include "tests/run_fixture.h"

struct WholeRun {
  const char* what;
  std::string commandLine;
  std::vector<Step> steps;
  std::string log;
  Keys keys = {};
  std::string config = kConfig;
};

// Each row: what the user does with C:\in\a.txt (or another source) and the
// configuration above, and everything the user and the shell see happen.
TEST_F(RunTest, WholeRuns) {
  const WholeRun runs[] = {
      {"Shift swaps a move into a copy, Ctrl opens the folder afterwards, /#w asks nothing",
       "/#d=move /#w C:\\in\\a.txt", {choose("Work")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
menu closed
copy undo,no-prompts C:\in\a.txt > C:\Work
beep
run C:\Tools\filer.exe|/o C:\Work\|C:\Tools\
)", kShiftCtrl},
      {"with Shift inverted a folder's contents go, names in any script too",
       "/#a=rec /#K=sft C:\\box", {choose("Work")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|! box ( &1 )]
menu closed
run C:\Tools\rec.exe|C:\Work C:\box\é.txt C:\box\b.txt|C:\Tools\
)"},
      {"the source item browses; the browser's answer is the one destination, marks or not",
       "/#d=move C:\\in\\a.txt", mark("Work") + mark("Alpha") + choose("a.txt ( &1 )"), R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
kept [*Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
kept [*Work|*Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
menu closed
browse BrowseMove C:\in
move undo C:\in\a.txt > D:\Beta
beep
)"},
      {"a named group runs without a menu, and /#e opens its first member after 50 ms",
       "/#g=a /#e C:\\in\\a.txt", {}, R"(
copy undo C:\in\a.txt > D:\G1
copy undo C:\in\a.txt > D:\G2
beep
sleep 50
run C:\Tools\filer.exe|/o D:\G1\|C:\Tools\
)", kCtrl},
      {"levels up never pass a root, which keeps its backslash", "/#2 C:\\in\\sub\\d.txt", {}, R"(
copy undo C:\in\sub\d.txt > C:\
beep
)"},
      {"a cancelled browser sends nothing, whatever was marked", "C:\\in\\a.txt",
       mark("Work") + browserAnswers("") + choose("a.txt ( &1 )"), R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
kept [*Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
browse BrowseCopy C:\in
)"},
      {"a browser answer in any script",
       "C:\\in\\a.txt", mark("Work") + browserAnswers(unheld("D:\\Caf#")) + choose("a.txt ( &1 )"),
       R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
kept [*Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
browse BrowseCopy C:\in
copy undo C:\in\a.txt > D:\Café
beep
)"},
      {"a browser answer of 260 characters is told, never cut", "C:\\in\\a.txt",
       {browserAnswers(unheld("D:\\" + std::string(256, 'n') + "#")), choose("a.txt ( &1 )")},
       "\nmenu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]\nmenu closed\n"
       "browse BrowseCopy C:\\in"
       "\nfront\nbox Notice: TooLongNames D:\\" + std::string(256, 'n') + "é TooLongAdvice\n"},
      {"a device among the sources is told, and the rest go", "C:\\in\\a.txt nul", {choose("Work")},
       R"(
front
box Notice: InvalidNames nul InvalidAdvice
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > C:\Work
beep
)"},
      {"the start menu's Version box; a letter opens no finder", "",
       {type('v'), choose("&Version")}, R"(
menu [Falvex.ini ( &1 )|-|&Help|&Version]
menu closed
front
box VersionTitle: Version
)"},
      {"the start menu's first item opens the configuration in the editor", "",
       {choose("Falvex.ini ( &1 )")}, R"(
menu [Falvex.ini ( &1 )|-|&Help|&Version]
menu closed
run C:\Tools\filer.exe|C:\Prog\Falvex.ini|C:\Tools\
)"},
      {"/#0= browses from the folder it names", "/#0=\"D:\\Base\" /#e C:\\in\\a.txt", {}, R"(
browse BrowseCopy D:\Base
copy undo C:\in\a.txt > D:\Beta
beep
run C:\Tools\filer.exe|/o D:\Beta\|C:\Tools\
)"},
      {"a failed file operation stops the rest", "/#d=move C:\\in\\a.txt",
       {failOperation(1), choose("A")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > D:\G1
)"},
      {"a member that vanished while the menu showed stops the run with a box", "C:\\in\\a.txt",
       {vanish("D:\\G2"), choose("A")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > D:\G1
front
box Notice: FolderMissing D:\G2
)"},
      {"an empty folder's contents start no program", "/#a /#K=sft C:\\empty", {choose("Work")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|! empty ( &1 )]
menu closed
)"},
      {"an empty configuration shows the source item alone", "C:\\in\\a.txt", {}, R"(
menu [a.txt ( &1 )]
menu closed
)", {}, ""},
  };
  for (const WholeRun& r : runs)
    EXPECT_EQ(run(r.commandLine, r.steps, r.keys, r.config), withoutFirstLineFeed(r.log)) << r.what;
}

// Groups in the main menu (@direct), in a column of their own (@break).
TEST_F(RunTest, GroupsInTheMainMenu) {
  const std::string config = R"([dir]
C:\Work
%end
[group]
@direct
@break
{&One
D:\G1
}
{Two
}
%end
)";
  const std::string menu = R"(
menu [Work|/&One|Two|-|a.txt ( &1 )]
menu closed
)";
  EXPECT_EQ(run("C:\\in\\a.txt", {rightButton(), choose("&One")}, {}, config),
            menu.substr(1) + R"(move undo C:\in\a.txt > D:\G1
beep
)") << "the right button swaps a group's copy into a move";
  // A group with no members sends nothing and does not beep: nothing was done.
  EXPECT_EQ(run("C:\\in\\a.txt", {choose("Two")}, {}, config), menu.substr(1));
}

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

// A group asked for whose folders are all missing names them and ends the
// run with its own exit code; a group written without folders, or a choice
// cancelled, stays silent. Each row: the command line, what the user does,
// how the log ends and the exit code.
TEST_F(RunTest, AGroupThatSendsNothingSaysWhy) {
  std::string config = kConfig;
  config.replace(config.find("[group]\n"), 8, "[group]\n{&Backup\nZ:\\Gone\n}\n{Empty\n}\n");
  const char* box = "front\nbox Notice: GroupSentNothing Backup Z:\\Gone GroupSentNothingAdvice\n";
  const struct {
    const char* commandLine;
    std::vector<Step> steps;
    std::string logEnd;
    int exitCode;
  } rows[] = {
      {"/#e /#g=backup C:\\in\\a.txt", {}, box, kExitNothingSent},  // nothing opened after
      {"/#e C:\\in\\a.txt", {choose("&Backup")}, std::string("menu closed\n") + box,
       kExitNothingSent},
      {"/#g=Empty C:\\in\\a.txt", {}, "", kExitDone},
  };
  for (const auto& row : rows) {
    std::string log = run(row.commandLine, row.steps, {}, config);
    EXPECT_EQ(log.substr(log.size() - std::min(log.size(), row.logEnd.size())), row.logEnd)
        << row.commandLine << "\n" << log;
    EXPECT_EQ(RunState.exitCode, row.exitCode) << row.commandLine;
  }
}

// Recent destinations (@recent=3): each row, the list file before, what the
// user does, what happens and the list file after.
TEST_F(RunTest, RecentDestinations) {
  std::string recentConfig = kConfig;
  recentConfig.replace(recentConfig.find("[system]\n"), 9, "[system]\n@recent=3\n");
  struct Case {
    const char* what;
    std::string listBefore, commandLine;
    std::vector<Step> steps;
    std::string log, listAfter;
    std::string config;
  } cases[] = {
      {"[dir] marks and recent marks combine: [dir] ones first, and only the last one moves",
       "D:\\Beta\r\n", "/#d=move C:\\in\\a.txt",
       mark("Work") + openByKeyboard("RecentDestinations") + mark("&1 D:\\Beta") + choose("Alpha"),
       R"(
menu [RecentDestinations>|-|Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
kept [RecentDestinations>|-|*Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
open [&1 D:\Beta]
kept [*&1 D:\Beta]
menu closed
copy undo C:\in\a.txt > C:\Work
copy undo C:\in\a.txt > D:\Alpha
move undo C:\in\a.txt > D:\Beta
beep
write C:\Prog\Falvex.recent
)", "C:\\Work\r\nD:\\Alpha\r\nD:\\Beta\r\n", recentConfig},
      {"the browser's folder is the one destination, recent marks or not, and is recorded",
       "D:\\Alpha\r\n", "C:\\in\\a.txt",
       std::vector<Step>{openByKeyboard("RecentDestinations")} + mark("&1 D:\\Alpha") +
           look("Work") + choose("a.txt ( &1 )"), R"(
menu [RecentDestinations>|-|Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
open [&1 D:\Alpha]
kept [*&1 D:\Alpha]
look [*RecentDestinations>|-|Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
browse BrowseCopy C:\in
copy undo C:\in\a.txt > D:\Beta
beep
write C:\Prog\Falvex.recent
)", "D:\\Beta\r\nD:\\Alpha\r\n", recentConfig},
      {"a recent folder swapped by the right button; a network folder is not looked up",
       "D:\\Beta\r\n\\\\srv\\share\r\n", "C:\\in\\a.txt",
       {openByKeyboard("RecentDestinations"), rightButton(), choose("&1 D:\\Beta")}, R"(
menu [RecentDestinations>|-|Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
open [&1 D:\Beta|&2 \\srv\share]
menu closed
move undo C:\in\a.txt > D:\Beta
beep
write C:\Prog\Falvex.recent
)", "D:\\Beta\r\n\\\\srv\\share\r\n", recentConfig},
      {"without @recent a list file is neither shown nor written", "D:\\Alpha\r\n", "C:\\in\\a.txt",
       {choose("Work")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > C:\Work
beep
)", "D:\\Alpha\r\n", kConfig},
  };
  for (const Case& c : cases) {
    addFile("C:\\Prog\\Falvex.recent", c.listBefore);
    EXPECT_EQ(run(c.commandLine, c.steps, {}, c.config), withoutFirstLineFeed(c.log)) << c.what;
    std::string listAfter;
    plat::readWholeFile("C:\\Prog\\Falvex.recent", plat::kOpenExisting, &listAfter);
    EXPECT_EQ(listAfter, c.listAfter) << c.what;
  }
}

// Access keys 1 to 9 and 0 go to the first ten recent folders; a path's
// own "&" shows as written, and a caption is cut to fit an item.
TEST_F(RunTest, RecentCaptions) {
  std::string list = "D:\\" + std::string(255, 'x') + "\r\nD:\\A&B\r\n";
  for (int i = 3; i <= 11; ++i) list += "D:\\F" + std::to_string(i) + "\r\n";
  addFile("C:\\Prog\\Falvex.recent", list);
  std::string log = run("C:\\in\\a.txt", {openByKeyboard("RecentDestinations")}, {},
                        "[system]\n@recent=20\n%end\n[dir]\nC:\\Work\n%end\n");
  EXPECT_NE(log.find("open [~&1 D:\\" + std::string(253, 'x') + "|~&2 D:\\A&&B|~&3 D:\\F3|"),
            std::string::npos) << log;
  EXPECT_NE(log.find("|~&0 D:\\F10|~D:\\F11]"), std::string::npos) << log;
  // A folder that is gone cannot be marked either.
  log = run("C:\\in\\a.txt", std::vector<Step>{openByKeyboard("RecentDestinations")} +
                                    mark("&2 D:\\A&&B"),
            {}, "[system]\n@recent=20\n%end\n[dir]\nC:\\Work\n%end\n");
  EXPECT_EQ(log.find("kept"), std::string::npos) << log;
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

