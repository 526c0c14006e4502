#include "app/host_messages.h"
#include "app/menu_hooks.h"
#include "app/startup.h"
#include "menu/live_folders.h"
#include "menu/menu_build.h"
#include "menu/menu_run.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

namespace {

const char kConfig[] = R"([system]
@filer=C:\Tools\filer.exe
>/o %P
@editor=C:\Tools\filer.exe
%end
[dir]
C:\Work
D:\Alpha
+
{Sub
D:\Beta
{Deep
D:\G1
}
}
%end
[group]
{A
D:\G1
D:\G2
}
%end
[exec]
C:\Tools\rec.exe | Rec
>%-P %M
%end
)";

// What the user does while the menu shows, one step at a time. Items are
// named by their caption, as the menu shows it.
struct Step {
  enum Kind {
    kHighlight,       // the item is highlighted ("" for none: the menu closed)
    kMiddleButton,    // pressed over the highlighted item
    kSpacePeeked,     // the menu loop peeks at Space going down
    kSpaceTaken,      // the menu loop takes Space going down from the queue
    kSpaceUp,         // ... or going up
    kRightButton,
    kOpenByKeyboard,  // the submenu of the item opens
    kOpenByMouse,
    kCloseSubmenu,
    kChoose,
    kFailOperation,     // that file operation, counted from 1, fails
    kCancelOperation,   // that file operation is cancelled in part
    kVanish,            // the folder is deleted while the menu shows
    kBrowserAnswers,    // what the folder browser will give ("" cancelled)
    kLook,              // the menu holding the item is logged as it shows
    kType,              // a key that is no access key of the menu
  };
  Kind kind;
  std::string text;  // a caption, a folder or an answer
  int number;
};

Step highlight(const std::string& caption) { return {Step::kHighlight, caption, 0}; }
Step middleButton() { return {Step::kMiddleButton, "", 0}; }
Step spacePeeked() { return {Step::kSpacePeeked, "", 0}; }
Step spaceTaken() { return {Step::kSpaceTaken, "", 0}; }
Step spaceUp() { return {Step::kSpaceUp, "", 0}; }
Step rightButton() { return {Step::kRightButton, "", 0}; }
Step openByKeyboard(const std::string& caption) { return {Step::kOpenByKeyboard, caption, 0}; }
Step openByMouse(const std::string& caption) { return {Step::kOpenByMouse, caption, 0}; }
Step closeSubmenu(const std::string& caption) { return {Step::kCloseSubmenu, caption, 0}; }
Step choose(const std::string& caption) { return {Step::kChoose, caption, 0}; }
Step failOperation(int n) { return {Step::kFailOperation, "", n}; }
Step cancelOperation(int n) { return {Step::kCancelOperation, "", n}; }
Step vanish(const std::string& folder) { return {Step::kVanish, folder, 0}; }
Step browserAnswers(const std::string& folder) { return {Step::kBrowserAnswers, folder, 0}; }
Step look(const std::string& caption) { return {Step::kLook, caption, 0}; }
Step type(int unit) { return {Step::kType, "", unit}; }

// Highlighting an item and pressing the middle button over it.
std::vector<Step> mark(const std::string& caption) { return {highlight(caption), middleButton()}; }

std::vector<Step> operator+(std::vector<Step> steps, const std::vector<Step>& more) {
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

std::vector<Step> operator+(std::vector<Step> steps, const Step& step) {
  steps.push_back(step);
  return steps;
}

// The calls that show the menu (hooks, the window brought forward, the
// tracking) and those that close it (the posted null message, hooks gone)
// read as "menu at" and "menu closed" when each comes whole; a call left out
// leaves the rest as it is, so the log no longer matches. A menu centred on
// the screen, as most runs show it, reads as "menu [Items]".
std::string asTheUserSeesIt(std::string log) {
  const std::pair<std::string, std::string> phrases[] = {
      {"hooks\nfront\ntrack at 512,370 right-button,centred,v-centred,returns-choice\n  ",
       "menu "},
      {"hooks\nfront\ntrack at ", "menu at "},
      {"null\nunhooks\n", "menu closed\n"}};
  for (const auto& [calls, phrase] : phrases)
    for (size_t at = log.find(calls); at != std::string::npos; at = log.find(calls, at))
      log.replace(at, calls.size(), phrase);
  return log;
}

// A raw string starts on the line after its opening, for the reader.
std::string withoutFirstLineFeed(const std::string& text) {
  return text.empty() || text[0] != '\n' ? text : text.substr(1);
}

typedef std::set<int> Keys;
const Keys kCtrl = {kVkControl}, kShiftCtrl = {kVkShift, kVkControl};

}  // namespace

class RunTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const std::string& folder : List{"C:\\Work", "D:\\Alpha", "D:\\Beta", "D:\\G1", "D:\\Base",
                                      "E:\\", "C:\\empty", "D:\\Cafe", unheld("D:\\Caf#")})
      addFolder(folder);
    addSources();
    addFile("C:\\Tools\\filer.exe");
    addFile("C:\\Tools\\rec.exe");
    addFile(unheld("C:\\box\\#.txt"));
    fake().clipboardBlocks[plat::kClipboardUnicodeText] = unicodeTextBlock("C:\\in\\a.txt\r\n");
  }

  // The files the runs send, back in place after a run that moved them.
  void addSources() {
    for (const char* file : {"C:\\in\\a.txt", "C:\\in\\sub\\d.txt", "C:\\box\\b.txt",
                             "C:\\src\\.hidden", "C:\\src\\sub\\deep.txt"})
      addFile(file);
  }

  // The menu's item for the caption; fails the test when it is not there.
  FakeMenuItem* item(const std::string& caption) {
    FakeMenuItem* found = findItem(caption);
    if (!found) ADD_FAILURE() << "no item \"" << caption << "\" in a menu that shows";
    return found;
  }

  void openSubmenu(const std::string& caption, bool byMouse) {
    FakeMenuItem* opener = item(caption);
    if (!opener) return;
    FakeMenu* menu = menuHolding(opener);
    // A submenu opener reports its position, not an id.
    int position = static_cast<int>(opener - menu->items.data());
    // Wine reports an opener reached by keyboard as greyed, by mouse as such.
    unsigned flags = kMenuSelectPopup | (byMouse ? kMenuSelectByMouse : kMenuSelectGrayed);
    onMenuSelect(position, flags, menu);
    bool downFollows = onInitMenuPopup(opener->submenu);
    fake().log += std::string("open ") + (downFollows ? "down " : "") +
                  describeMenu(opener->submenu) + "\n";
  }

  // Logs a press the hook keeps from the menu, with the menu it marked in.
  void logKept(bool kept) {
    if (!kept) return;
    fake().log += "kept " + describeMenu(static_cast<FakeMenu*>(RunState.menuSelMenu)) + "\n";
  }

  int perform(const std::vector<Step>& steps) {
    int choice = 0;
    for (const Step& step : steps) {
      switch (step.kind) {
        case Step::kHighlight:
          if (step.text.empty()) {
            onMenuSelect(0, kMenuSelectClosed, nullptr);
          } else if (FakeMenuItem* shown = item(step.text)) {
            onMenuSelect(shown->id, 0, menuHolding(shown));
          }
          break;
        case Step::kMiddleButton:
          logKept(onMenuMouseDown(true, false));
          break;
        case Step::kSpacePeeked:
        case Step::kSpaceTaken:
        case Step::kSpaceUp:
          logKept(onMenuKey(step.kind == Step::kSpacePeeked ? kKeyPeeked : kKeyTaken, kVkSpace,
                            step.kind != Step::kSpaceUp));
          break;
        case Step::kRightButton:
          onMenuMouseDown(false, true);
          break;
        case Step::kOpenByKeyboard:
        case Step::kOpenByMouse:
          openSubmenu(step.text, step.kind == Step::kOpenByMouse);
          break;
        case Step::kCloseSubmenu:
          if (FakeMenuItem* opener = item(step.text)) onUninitMenuPopup(opener->submenu);
          break;
        case Step::kChoose:
          if (FakeMenuItem* chosen = item(step.text)) choice = chosen->id;
          break;
        case Step::kFailOperation:
          fake().failAtOp = step.number;
          break;
        case Step::kCancelOperation:
          fake().abortAtOp = step.number;
          break;
        case Step::kVanish:
          removeEntry(step.text);
          break;
        case Step::kBrowserAnswers:
          fake().browseAnswer = step.text;
          break;
        case Step::kType:
          if (onMenuChar(nullptr, step.number)) return 0;  // the menu closes for the finder
          break;
        case Step::kLook:
          if (FakeMenuItem* shown = item(step.text))
            fake().log += "look " + describeMenu(menuHolding(shown)) + "\n";
          break;
      }
    }
    return choice;
  }

  // One whole run: the configuration, the command line, the keys held at
  // start, and what the user does while the menu shows; the log it leaves.
  std::string run(const std::string& commandLine, const std::vector<Step>& steps = {},
                  const Keys& keys = {}, const std::string& config = kConfig) {
    resetRunState();
    resetConfigModel();
    resetLeftOutNames();
    deriveProgramNames("C:\\Prog\\Falvex.exe");
    initPathsAndMetrics(1024, 740, 3);
    addFile("C:\\Prog\\Falvex.ini", config);
    addFolder("D:\\G2");
    addSources();
    fake().keysDown = keys;
    fake().failAtOp = 0;
    fake().abortAtOp = 0;
    fake().browseAnswer = "D:\\Beta";
    fake().onTrack = [&](FakeMenu*) { return perform(steps); };
    RunState.commandLine = commandLine.c_str();
    if (runStartupSteps(nullptr, keys.count(kVkShift) > 0)) dispatchRun(nullptr);
    return asTheUserSeesIt(takeLog());
  }

  void TearDown() override {
    for (auto& menu : fake().menus) {  // every menu is gone, and a gone handle names nothing
      EXPECT_TRUE(menu->destroyed);
      EXPECT_EQ(dirEntryOfSubmenu(menu.get()), -1);
    }
    FalvexTest::TearDown();
  }
};

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
      {"two marked folders both receive; in move mode only the last one moves",
       "/#d=move C:\\in\\a.txt", mark("Work") + mark("Alpha") + choose("Alpha"), R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
kept [*Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
kept [*Work|*Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > C:\Work
move undo C:\in\a.txt > D:\Alpha
beep
)"},
      {"Shift swaps a move into a copy, Ctrl opens the folder afterwards, /#w asks nothing",
       "/#d=move /#w C:\\in\\a.txt", {choose("Work")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
menu closed
copy undo,no-prompts C:\in\a.txt > C:\Work
beep
run C:\Tools\filer.exe|/o C:\Work\|C:\Tools\
)", kShiftCtrl},
      {"the right button swaps a group's copy into a move of the last member",
       "C:\\in\\a.txt", {rightButton(), choose("A")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
copy undo C:\in\a.txt > D:\G1
move undo C:\in\a.txt > D:\G2
beep
)"},
      {"a chosen program is started once per group member, with the folder and the sources",
       "/#a /#e C:\\in\\a.txt", {choose("A")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
run C:\Tools\rec.exe|D:\G1 C:\in\a.txt|C:\Tools\
run C:\Tools\rec.exe|D:\G2 C:\in\a.txt|C:\Tools\
)"},
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
      {"the right button on the source item makes the browser's move a copy",
       "/#d=move /#e C:\\in\\a.txt", {rightButton(), choose("a.txt ( &1 )")}, R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|*a.txt ( &1 )]
menu closed
browse BrowseCopy C:\in
copy undo C:\in\a.txt > D:\Beta
beep
run C:\Tools\filer.exe|/o D:\Beta\|C:\Tools\
)"},
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
      {"a browser answer too long once marked is told, never cut", "C:\\in\\a.txt",
       {browserAnswers(unheld("D:\\" + std::string(255, 'n') + "#")), choose("a.txt ( &1 )")},
       "\nmenu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]\nmenu closed\nbrowse BrowseCopy C:\\in"
       "\nfront\nbox Notice: TooLongNames D:\\" + std::string(255, 'n') + "é TooLongAdvice\n"},
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
  EXPECT_EQ(run("C:\\in\\a.txt", {choose("&One")}, {}, config),
            menu.substr(1) + R"(copy undo C:\in\a.txt > D:\G1
beep
)");
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
      {"C:\\in\\a.txt", {}, "menu closed\n", kExitDone},
  };
  for (const auto& row : rows) {
    std::string log = run(row.commandLine, row.steps, {}, config);
    EXPECT_EQ(log.substr(log.size() - std::min(log.size(), row.logEnd.size())), row.logEnd)
        << row.commandLine << "\n" << log;
    EXPECT_EQ(RunState.exitCode, row.exitCode) << row.commandLine;
  }
}

// Only a folder item that shows can be marked: not one in a submenu that
// closed, not the source item, nothing once the menu closed. A press that
// marks is kept from the menu; others reach it.
TEST_F(RunTest, OnlyAVisibleFolderItemIsMarked) {
  std::vector<Step> steps = {openByKeyboard("Sub"), highlight("Beta"), closeSubmenu("Sub"),
                             middleButton(), highlight("a.txt ( &1 )"), spacePeeked(), middleButton(),
                             highlight(""), middleButton(), highlight("Work"), spaceUp(),
                             choose("Alpha")};
  EXPECT_EQ(run("C:\\in\\a.txt", steps),
            withoutFirstLineFeed(R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
open [Beta|Deep>]
menu closed
copy undo C:\in\a.txt > D:\Alpha
beep
)"));
}

// An opener shows a check while a destination below it is marked, at every
// level up, and loses it when the mark goes.
TEST_F(RunTest, OpenersShowAMarkBelowThem) {
  std::vector<Step> steps = {openByKeyboard("Sub"), openByKeyboard("Deep")};
  steps = steps + mark("G1") + look("Work") + look("Beta") + mark("G1") + look("Work");
  EXPECT_EQ(run("C:\\in\\a.txt", steps), withoutFirstLineFeed(R"(
menu [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
open [Beta|Deep>]
open [G1]
kept [*G1]
look [Work|Alpha|-|*Sub>|-|&@ Group>|-|a.txt ( &1 )]
look [Beta|*Deep>]
kept [G1]
look [Work|Alpha|-|Sub>|-|&@ Group>|-|a.txt ( &1 )]
menu closed
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
    inTurn = inTurn + openByKeyboard("s" + std::to_string(s)) + closeSubmenu("s" + std::to_string(s));
    allOpen = allOpen + openByKeyboard("s" + std::to_string(s));
  }
  std::string log = run("C:\\in\\a.txt", inTurn + openByKeyboard("s11") + openByKeyboard("f200") +
                                               choose("ThisFolder"), {}, config);
  EXPECT_NE(log.find("copy undo C:\\in\\a.txt > D:\\Top\\s11\\f200\n"), std::string::npos)
      << log.substr(log.size() - 200);
  log = run("C:\\in\\a.txt", allOpen, {}, config);
  EXPECT_NE(log.find("|f188>|~f189|"), std::string::npos) << "2000 nodes: Top, 11, 9 x 200, 188";
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

// Each row: two folder names in the order the file manager shows them.
TEST_F(RunTest, FileManagerOrder) {
  const std::pair<const char*, const char*> ordered[] = {
      {"2", "10"},  {"file9", "file10"}, {"a", "B"},  {"abc", "abd"},
      {"x", "x1"},  {"a9c", "a10b"},     {"07", "8"},
      {"007", "7"},  // the same value: by their bytes
  };
  for (const auto& [first, second] : ordered) {
    EXPECT_TRUE(logicalLess(first, second)) << first << " before " << second;
    EXPECT_FALSE(logicalLess(second, first)) << first << " before " << second;
  }
  EXPECT_FALSE(logicalLess("Ab", "Ab")) << "nothing comes before itself";
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
// refused ("" when it is taken).
TEST_F(RunTest, NewFolderNames) {
  addFile("D:\\Live\\f.txt");
  const std::pair<std::string, const char*> names[] = {
      {"Clients 2026", ""},
      {"", "NameEmpty"},
      {"a\\b", "NameBadCharacter"},
      {"\x95\x5C", ""},  // 表: its trail byte is no backslash
      {"name.", "NameBadEnd"},
      {"com1.txt", "NameDevice"},
      {std::string(251, 'n'), "NameTooLong"},  // D:\Live\ and the name: 260 with the NUL
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
      {"one pixel is a window", {100, 100, 101, 101}, 100, 100},
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

// Focus lost while the menu shows: the click that took it is swallowed once.
TEST_F(RunTest, FocusLostWhileTheMenuShows) {
  EXPECT_FALSE(onKillFocus());
  RunState.menuShowing = 1;
  EXPECT_TRUE(onKillFocus());
  EXPECT_EQ(onLeftButtonDown(), 1);
  EXPECT_EQ(onLeftButtonDown(), 0);
}

namespace {

// What the finder lists for "cl", "cli" and the like.
const std::string kClientRows = "D:\\Work\\old-clients|Clients|Work › Client Notes|Work › old-clients";

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
    for (const char* folder : {"D:\\Clients", "D:\\Snow", "D:\\Proj_Notes", "D:\\Work\\Client Notes", "D:\\Work\\old-clients",
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
                                        {0xD800, false}, {0xDFFF, false}};
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
       "copy undo C:\\in\\a.txt > D:\\Clients\ncopy undo C:\\in\\a.txt > D:\\Work\\Paris\\Chi\nbeep\n"},
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
