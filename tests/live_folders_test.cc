#include "platform/dialogs.h"
#include "tests/run_fixture.h"

// Live folders: D:\Live\* offers its subfolders as its submenu opens. A
// caption shown in several open submenus ("ThisFolder") names the one in
// the submenu opened last.
TEST_F(RunTest, LiveFolders) {
  const std::string config = "[dir]\nC:\\Work\nD:\\Live\\* | &Live\n%end\n";
  for (const char* folder : {"D:\\Live\\10", "D:\\Live\\2", "D:\\Live\\a&b", "D:\\Live\\x",
                             "D:\\Live\\x.", "D:\\Live\\x ", "D:\\Live\\CON", "D:\\Live\\aux.txt",
                             "D:\\Live\\Deep\\Inner", "D:\\Live\\Hid"})
    addFolder(folder);
  addFolder(unheld("D:\\Live\\Caf#"));
  addFolder("D:\\Live\\" + std::string(255, 'n'));  // no path holds it
  makeHidden("D:\\Live\\Hid");
  const std::string shown = withoutFirstLineFeed(R"(
menu [Work|&Live>|-|a.txt ( &1 )]
open [ThisFolder|NewFolder...|-|2>|10>|a&&b>|Café>|Deep>|x>|~UnshownFolders 5]
)");
  // The folder itself, a new one, then subfolders in file-manager order,
  // names the code page cannot hold among them; hidden ones left out; names
  // no path holds, and names the path rules would spell as another
  // folder's, counted.
  EXPECT_EQ(run("C:\\in\\a.txt", {openByKeyboard("&Live")}, {}, config), shown + "menu closed\n");
  // The right button swaps copy and move; the new-folder item is never marked.
  std::vector<Step> steps = {openByKeyboard("&Live"), rightButton()};
  EXPECT_EQ(run("C:\\in\\a.txt", steps + mark("NewFolder...") + choose("ThisFolder"), {}, config),
            shown + R"(menu closed
move undo C:\in\a.txt > D:\Live
beep
)");
}

// A folder slow to list shows a greyed note and never holds the menu past
// the wait; opened again once listed, it shows its subfolders. One gone
// since start shows it is not there.
TEST_F(RunTest, SlowAndVanishedLiveFolders) {
  const std::string config = "[dir]\nD:\\Live\\*\nD:\\Gone\\*\n%end\n";
  addFolder("D:\\Live\\One");
  addFolder("D:\\Gone");
  makeSlow("D:\\Live");
  std::vector<Step> steps = {openByKeyboard("Live"), closeSubmenu("Live"), openByKeyboard("Live"),
                             vanish("D:\\Gone"), openByKeyboard("Gone")};
  EXPECT_EQ(run("C:\\in\\a.txt", steps, {}, config), withoutFirstLineFeed(R"(
menu [Live>|Gone>|-|a.txt ( &1 )]
waited 1500 ms for D:\Live
open [~NoResponse]
open [ThisFolder|NewFolder...|-|One>]
open [~NotFound]
menu closed
)"));
}

// Siblings of 200 subfolders each, browsed in turn: the nodes of a closed
// submenu are taken back, so the last still opens and receives. With every
// submenu left open the table runs out, and an item without a node is
// greyed rather than opening onto nothing.
TEST_F(RunTest, LiveNodesNeverRunOut) {
  for (int s = 1; s <= 11; ++s)
    for (int f = 1; f <= 200; ++f)
      addFolder("D:\\Top\\s" + std::to_string(s) + "\\f" + std::to_string(f));
  const std::string config = "[dir]\nD:\\Top\\* | Top\n%end\n";
  std::vector<Step> inTurn = {openByKeyboard("Top")}, allOpen = inTurn;
  for (int s = 1; s <= 11; ++s) {
    std::string caption = "s" + std::to_string(s);
    inTurn = inTurn + openByKeyboard(caption) + closeSubmenu(caption);
    allOpen = allOpen + openByKeyboard(caption);
  }
  std::string log = run("C:\\in\\a.txt", inTurn + openByKeyboard("s11") + openByKeyboard("f200") +
                                               choose("ThisFolder"), {}, config);
  EXPECT_NE(log.find("copy undo C:\\in\\a.txt > D:\\Top\\s11\\f200\n"), std::string::npos)
      << log.substr(log.size() - 200);
  log = run("C:\\in\\a.txt", allOpen, {}, config);
  EXPECT_NE(log.find("|f188>|~f189|"), std::string::npos) << "2000 nodes: Top, 11, 9 x 200, 188";
  // Past 200, the browser opened on the folder gives the one destination:
  // the folder it was opened on receives nothing.
  addFolder("D:\\Top\\s1\\f201");
  addFolder("D:\\Else");
  log = run("C:\\in\\a.txt", {openByKeyboard("Top"), openByKeyboard("s1"),
                              browserAnswers("D:\\Else"), choose("MoreFolders 1")}, {}, config);
  EXPECT_NE(log.find("browse BrowseCopy D:\\Top\\s1\ncopy undo C:\\in\\a.txt > D:\\Else\nbeep\n"),
            std::string::npos) << log.substr(log.size() - 200);
}

// A mark lives as long as the run: a live submenu opened again keeps the
// marks of the folders it lists again, draws their checks (on the opener
// too), and with @mode=move the last destination still moves.
TEST_F(RunTest, MarksOutliveARefill) {
  addFolder("D:\\Live\\S");
  addFolder("D:\\Dee");
  std::vector<Step> steps = {openByKeyboard("Live"), openByKeyboard("S")};
  steps = steps + mark("ThisFolder") + closeSubmenu("S") + closeSubmenu("Live") +
          openByKeyboard("Live") + openByKeyboard("S") + closeSubmenu("S") + closeSubmenu("Live");
  EXPECT_EQ(run("C:\\in\\a.txt", steps + look("Dee") + choose("Dee"), {},
                "[system]\n@mode=move\n%end\n[dir]\nD:\\Live\\* | Live\nD:\\Dee | Dee\n%end\n"),
            withoutFirstLineFeed(R"(
menu [Live>|Dee|-|*a.txt ( &1 )]
open [ThisFolder|NewFolder...|-|S>]
open [ThisFolder|NewFolder...]
kept [*ThisFolder|NewFolder...]
open [ThisFolder|NewFolder...|-|*S>]
open [*ThisFolder|NewFolder...]
look [*Live>|Dee|-|*a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > D:\Dee
move undo C:\in\a.txt > D:\Live\S
beep
)"));
}

// Each row: two folder names in the order the file manager shows them,
// compared as Windows holds them, so a marked name sorts by its character.
TEST_F(RunTest, FileManagerOrder) {
  const std::string hangul = "\x01" "D55C\x01" "AE00", eclair = "\x01" "00E9clair",
                    emile = "\x01" "00C9mile";
  const std::pair<std::string, std::string> ordered[] = {
      {"2", "10"},  {"file9", "file10"}, {"a", "B"},  {"ab", "Ac"},
      {"x", "x1"},  {"a9c", "a10b"},     {"07", "8"},
      {"007", "7"},  // the same value: by their units
      {"a", hangul}, {"apple", eclair}, {eclair, emile}, {"zebra", emile},
  };
  for (const auto& [first, second] : ordered) {
    for (const auto& pair : {std::vector<std::string>{first, second}, {second, first}}) {
      std::vector<std::string> names = pair;
      sortLikeFileManager(&names, 2);
      EXPECT_EQ(names, (std::vector<std::string>{first, second})) << first << " before " << second;
    }
  }
}

// A new folder on the way: the dialog names the parent and offers the first
// source's name; the folder is made, or used when it exists, and receives
// the sources; one this run made and a cancelled transfer left empty goes.
TEST_F(RunTest, NewFolderOnTheWay) {
  const std::string config =
      "[dir]\nD:\\Live\\* | Live\n%end\n[exec]\nC:\\Tools\\rec.exe | Rec\n>%-P %M\n%end\n";
  addFolder("D:\\Live\\Old");
  addFile("D:\\Live\\f.txt");
  struct Case {
    const char* what;
    std::vector<std::string> typed;
    std::vector<Step> steps;
    std::string afterDialog;
    std::string options = "";
  } cases[] = {
      {"a name refused, then a folder made", {"a:b", "New"}, {}, R"(box Notice: NameBadCharacter
mkdir D:\Live\New
copy undo C:\in\a.txt > D:\Live\New
beep
)"},
      {"an existing folder is used as it is", {"Old"}, {}, R"(copy undo C:\in\a.txt > D:\Live\Old
beep
)"},
      {"a made folder a cancelled transfer left empty goes again", {"Empty"}, {cancelOperation(1)},
       R"(mkdir D:\Live\Empty
copy undo C:\in\a.txt > D:\Live\Empty
rmdir D:\Live\Empty
)"},
      {"one that existed stays, emptied or not", {"Old"}, {cancelOperation(1)},
       R"(copy undo C:\in\a.txt > D:\Live\Old
)"},
      {"a folder not made is told, nothing sent", {"New"}, {vanish("D:\\Live")},
       R"(mkdir D:\Live\New
front
box Error: FolderNotMade D:\Live\New
)"},
      {"a made folder handed to a program stays", {"New"}, {}, R"(mkdir D:\Live\New
run C:\Tools\rec.exe|D:\Live\New C:\in\a.txt|C:\Tools\
)", "/#a "},
  };
  for (const Case& c : cases) {
    fake().typedNames = c.typed;
    std::vector<Step> steps = std::vector<Step>{openByKeyboard("Live")} + c.steps +
                              choose("NewFolder...");
    const std::string shown = withoutFirstLineFeed(R"(
menu [Live>|-|a.txt ( &1 )]
open [ThisFolder|NewFolder...|-|Old>]
menu closed
ask NewFolderTitle D:\Live [a]
)");
    EXPECT_EQ(run(c.options + "C:\\in\\a.txt", steps, {}, config), shown + c.afterDialog) << c.what;
    removeEntry("D:\\Live\\New");  // the next row lists D:\Live as it was
    addFolder("D:\\Live\\Old");
  }
}

// Each row: a name typed for a new folder under D:\Live, and why it is
// refused ("" when it is taken): each kind of the name rule in the dialog's
// words, and what only a new folder can be refused for.
TEST_F(RunTest, NewFolderNames) {
  addFile("D:\\Live\\f.txt");
  const std::pair<std::string, const char*> names[] = {
      {"Clients 2026", ""},
      {"", "NameEmpty"},
      {"a\\b", "NameBadCharacter"},
      {"name.", "NameBadEnd"},
      {"com1.txt", "NameDevice"},
      {std::string(252, 'n'), "NameTooLong"},  // D:\Live\ and the name: 260 characters
      {"f.txt", "NameIsFile"},
  };
  for (const auto& [name, refusal] : names) {
    fake().typedNames = {name};
    plat::askFolderName(nullptr, "D:\\Live", "", [](const std::string& typed) {
      return newFolderNameProblem("D:\\Live", typed);
    });
    std::string log = takeLog();
    std::string said = log.find("box Notice: ") == std::string::npos
                           ? "" : log.substr(log.find("box Notice: ") + 12);
    EXPECT_EQ(said, refusal[0] ? std::string(refusal) + "\n" : "") << name;
  }
}
