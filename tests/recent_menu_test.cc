#include "tests/run_fixture.h"

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
