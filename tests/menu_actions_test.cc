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
