#include "menu/finder.h"
#include "tests/run_fixture.h"

namespace {

// What the finder lists for "cl", "cli" and the like.
const std::string kClientRows =
    "D:\\Work\\old-clients|Clients|Work › Client Notes|Work › old-clients";

const char kFinderConfig[] = R"([system]
@recent=5
%end
[dir]
D:\Clients | &Clients
D:\Snow
D:\Proj_Notes
{&Work
D:\Work\Client Notes
D:\Work\old-clients
D:\Work\Paris\Chi | Chi
}
D:\Live\* | Live
D:\Gone
%end
)";

}  // namespace

class FinderTest : public RunTest {
 protected:
  void SetUp() override {
    RunTest::SetUp();
    for (const char* folder : {"D:\\Clients", "D:\\Snow", "D:\\Proj_Notes",
                               "D:\\Work\\Client Notes", "D:\\Work\\old-clients",
                               "D:\\Work\\Paris\\Chi", "D:\\Live\\Chicago", "D:\\Live\\Chi10",
                               "D:\\Live\\Chi9", "D:\\Gone"})
      addFolder(folder);
    addFile("C:\\Prog\\Falvex.recent", "D:\\Work\\old-clients\r\nD:\\Away\r\n");
  }
  // The finder's rows for a text typed after a first key in the menu.
  std::string rowsFor(const std::string& typed) {
    fake().finderKeys = {typed.substr(1)};
    addFolder("D:\\Gone");  // there at start, gone as the menu shows
    std::string log = run("C:\\in\\a.txt", {vanish("D:\\Gone"), type(typed[0])}, {}, kFinderConfig);
    std::string shown = "\n  " + typed + " [";
    size_t start = log.find(shown);
    start += shown.size();
    return log.substr(start, log.find("]\n", start) - start);
  }
};

// Each row: what is typed, and the destinations the finder lists in rank
// order: recent ones, names that begin with it, names where a word begins
// with it, the rest; menu order within a rank; greyed when gone.
TEST_F(FinderTest, MatchesInRankOrder) {
  const std::pair<std::string, std::string> rows[] = {
      {"cl", kClientRows},
      {"otes", "Proj_Notes|Work › Client Notes"},       // held inside a word
      {"no", "Proj_Notes|Work › Client Notes|Snow"},    // a word's start before
      {"par\\chi", "Work › Chi"},                       // the folder's parent told apart
      {"c\x82\x8Ci", kClientRows},
      {"chi", "Work › Chi|Live › Chi9|Live › Chi10|Live › Chicago"},  // and a live folder's
      {"go", "~Gone|Live › Chicago"},                  // a folder gone is greyed
      {"away", "~D:\\Away"},
      {"zz", "~FinderNothing"},
  };
  for (const auto& [typed, listed] : rows) EXPECT_EQ(rowsFor(typed), listed) << typed;
}

// Any character of any script opens the finder: Latin, Cyrillic, kana; a
// blank, a control character or half a surrogate pair stays with the menu.
TEST_F(FinderTest, AnyCharacterOpensIt) {
  const std::pair<int, bool> units[] = {{0xA0, true},   {0xE9, true},  {0x416, true},
                                        {0x30AB, true}, {0xE000, true}, {' ', false},
                                        {0x7F, false},  {0x80, false}, {0x9F, false},
                                        {0xD7FF, true}, {0xD800, false}, {0xDFFF, false}};
  for (const auto& [unit, opens] : units) {
    std::string log = run("C:\\in\\a.txt", {type(unit)}, {}, kFinderConfig);
    EXPECT_EQ(log.find("finder at") != std::string::npos, opens) << unit;
  }
}

// Whole runs through the finder: a key in the menu opens it at the menu's
// place, Enter sends to the top row with the run's mode, Shift+Enter swaps
// it, Ctrl+Enter opens the folder after, Escape sends nothing; marks made
// before typing receive too, and the choice is remembered as recent.
TEST_F(FinderTest, ChoicesAsAClickWouldMake) {
  struct Case {
    const char* what;
    std::vector<Step> steps;
    std::vector<std::string> keys;
    std::string sent;
  } cases[] = {
      {"Enter on the top row", {type('c')}, {"li", "Enter"},
       "  cli [" + kClientRows + "]\n"
       "  Enter on D:\\Work\\old-clients\ncopy undo C:\\in\\a.txt > D:\\Work\\old-clients\nbeep\n"},
      {"Down, then Shift+Enter moves", {type('c')}, {"li", "Down", "Shift+Enter"},
       "  cli [" + kClientRows + "]\n"
       "  Shift+Enter on Clients\nmove undo C:\\in\\a.txt > D:\\Clients\nbeep\n"},
      {"Escape sends nothing", {type('c')}, {"Escape"}, "  closed\n"},
      {"a right-button press that chose nothing keeps Enter a copy", {rightButton(), type('c')},
       {"li", "Enter"},
       "  cli [" + kClientRows + "]\n"
       "  Enter on D:\\Work\\old-clients\ncopy undo C:\\in\\a.txt > D:\\Work\\old-clients\nbeep\n"},
      {"a live folder's subfolder", {type('c')}, {"hica", "Enter"},
       "  chica [Live › Chicago]\n  Enter on Live › Chicago\n"
       "copy undo C:\\in\\a.txt > D:\\Live\\Chicago\nbeep\n"},
      {"a mark made before typing", mark("&Clients") + type('p'),
       {"ar\\chi", "Enter"},
       "  par\\chi [Work › Chi]\n  Enter on Work › Chi\n"
       "copy undo C:\\in\\a.txt > D:\\Clients\n"
       "copy undo C:\\in\\a.txt > D:\\Work\\Paris\\Chi\nbeep\n"},
  };
  for (const Case& c : cases) {
    fake().finderKeys = c.keys;
    addFile("C:\\Prog\\Falvex.recent", "D:\\Work\\old-clients\r\n");
    std::string log = run("C:\\in\\a.txt", c.steps, {}, kFinderConfig);
    EXPECT_NE(log.find("finder at 512,370\n"), std::string::npos) << c.what << log;
    EXPECT_EQ(log.substr(log.rfind("]\n", log.find(c.sent.substr(0, 6))) + 2),
              "menu closed\n" + c.sent +
              (c.sent.find("beep") == std::string::npos ? "" : "write C:\\Prog\\Falvex.recent\n"))
        << c.what << "\n" << log;
  }
}
