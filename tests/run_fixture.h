// Whole runs over the fake: the configuration most tests read, the steps a
// user takes while the menu shows, and the fixture that runs them and
// returns the log as the user sees it.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/host_messages.h"
#include "app/menu_hooks.h"
#include "app/startup.h"
#include "menu/submenu_registry.h"
#include "menu/live_folders.h"
#include "menu/menu_build.h"
#include "menu/menu_run.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

inline constexpr char kConfig[] = R"([system]
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

inline Step highlight(const std::string& caption) { return {Step::kHighlight, caption, 0}; }
inline Step middleButton() { return {Step::kMiddleButton, "", 0}; }
inline Step spacePeeked() { return {Step::kSpacePeeked, "", 0}; }
inline Step spaceTaken() { return {Step::kSpaceTaken, "", 0}; }
inline Step spaceUp() { return {Step::kSpaceUp, "", 0}; }
inline Step rightButton() { return {Step::kRightButton, "", 0}; }
inline Step openByKeyboard(const std::string& caption) {
  return {Step::kOpenByKeyboard, caption, 0};
}
inline Step openByMouse(const std::string& caption) { return {Step::kOpenByMouse, caption, 0}; }
inline Step closeSubmenu(const std::string& caption) { return {Step::kCloseSubmenu, caption, 0}; }
inline Step choose(const std::string& caption) { return {Step::kChoose, caption, 0}; }
inline Step failOperation(int n) { return {Step::kFailOperation, "", n}; }
inline Step cancelOperation(int n) { return {Step::kCancelOperation, "", n}; }
inline Step vanish(const std::string& folder) { return {Step::kVanish, folder, 0}; }
inline Step browserAnswers(const std::string& folder) {
  return {Step::kBrowserAnswers, folder, 0};
}
inline Step look(const std::string& caption) { return {Step::kLook, caption, 0}; }
inline Step type(int unit) { return {Step::kType, "", unit}; }

// Highlighting an item and pressing the middle button over it.
inline std::vector<Step> mark(const std::string& caption) {
  return {highlight(caption), middleButton()};
}

inline std::vector<Step> operator+(std::vector<Step> steps, const std::vector<Step>& more) {
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

inline std::vector<Step> operator+(std::vector<Step> steps, const Step& step) {
  steps.push_back(step);
  return steps;
}

// The calls that show the menu (hooks, the window brought forward, the
// tracking) and those that close it (the posted null message, hooks gone)
// read as "menu at" and "menu closed" when each comes whole; a call left out
// leaves the rest as it is, so the log no longer matches. A menu centred on
// the screen, as most runs show it, reads as "menu [Items]".
inline std::string asTheUserSeesIt(std::string log) {
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
inline std::string withoutFirstLineFeed(const std::string& text) {
  return text.empty() || text[0] != '\n' ? text : text.substr(1);
}

typedef std::set<int> Keys;
inline const Keys kCtrl = {kVkControl}, kShiftCtrl = {kVkShift, kVkControl};

class RunTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    forgetSubmenus();  // a test that failed may have left a menu behind
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
      for (SubmenuKind kind : {kSubmenuDirEntry, kSubmenuLiveNode, kSubmenuRecent})
        EXPECT_EQ(submenuIndex(menu.get(), kind), -1);
    }
    FalvexTest::TearDown();
  }
};
