#include "app/host_messages.h"
#include "app/menu_hooks.h"
#include "app/startup.h"
#include "menu/menu_build.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

namespace {

const char kConfig[] =
    "[system]\n@filer=C:\\Tools\\filer.exe\n>/o %P\n@editor=C:\\Tools\\filer.exe\n%end\n"
    "[dir]\nC:\\Work\nD:\\Alpha\n+\n{Sub\nD:\\Beta\n}\n%end\n"
    "[group]\n{A\nD:\\G1\nD:\\G2\n}\n%end\n[exec]\nC:\\Tools\\rec.exe | Rec\n>%-P %M\n%end\n";

const char kMenu[] = "[Work 2000|Alpha 2001|-|Sub> 2003|-|&@ Group> 3250|-|";

}  // namespace

class RunTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* f : {"C:\\Work", "D:\\Alpha", "D:\\Beta", "D:\\G1", "D:\\G2", "D:\\Base"}) addFolder(f);
    for (const char* f : {"C:\\in\\a.txt", "C:\\Tools\\filer.exe", "C:\\Tools\\rec.exe", "C:\\box\\b.txt"})
      addFile(f);
    addFile(unheld("C:\\box\\#.txt"));
    copyText(RunState.modulePath, kLongPathSize, "C:\\Prog\\Falvex.exe");
  }
  // One whole run: the configuration, the command line, the keys held, and
  // what the user does while the menu shows, a token each: "m2001"
  // highlights item 2001 and marks it with the middle button, "r" presses
  // the right button, "o2003" opens the submenu of item 2003 (its items are
  // logged), "x" and "u" have the browser cancelled or answer a name the
  // code page cannot hold, a bare number is the choice.
  std::string run(const std::string& commandLine, const std::string& user = "",
                  std::set<int> keys = {}, const std::string& config = kConfig) {
    resetRunState();
    resetConfigModel();
    resetLeftOutNames();
    copyText(RunState.modulePath, kLongPathSize, "C:\\Prog\\Falvex.exe");
    deriveProgramNames(RunState.modulePath);
    initPathsAndMetrics(1024, 740, 3);
    addFile("C:\\Prog\\Falvex.ini", config);
    fake().keysDown = keys;
    fake().onTrack = [&](FakeMenu* menu) {
      int choice = 0;
      std::istringstream tokens(user);
      for (std::string t; tokens >> t;) {
        if (t == "x" || t == "u") {  // the browser will be cancelled, or answer a marked name
          fake().browseAnswer = t == "x" ? "" : unheld("D:\\Caf#");
        } else if (t == "r") {
          onMenuMouseDown(false, true);
        } else if (t[0] == 'm') {
          onMenuSelect(std::stoi(t.substr(1)), 0, menu);
          onMenuMouseDown(true, false);
        } else if (t[0] == 'o') {
          FakeMenu* sub = menu->byId(std::stoi(t.substr(1)))->submenu;
          onInitMenuPopup(sub);
          fake().log.push_back("open " + describeMenu(sub));
        } else {
          choice = std::stoi(t);
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
  fake().hasText = true;
  fake().clipboard = "C:\\in\\a.txt\r\n";
  struct Case {
    std::string commandLine, user;
    std::set<int> keys;
    std::string log;
  } cases[] = {
      {"C:\\in\\a.txt", "2001", {}, show + kMenu + item + after + copyA + "D:\\Alpha\nbeep\n"},
      {"/#d=move C:\\in\\a.txt", "m2000 m2001 2001", {}, show + kMenu + "*" + item + after + copyA +
       "C:\\Work\nmove 40 C:\\in\\a.txt > D:\\Alpha\nbeep\n"},
      {"/#d=move /#w C:\\in\\a.txt", "2000", both, show + kMenu + "*" + item + after +
       "copy 50 C:\\in\\a.txt > C:\\Work\nbeep\nrun C:\\Tools\\filer.exe|/o C:\\Work\\|C:\\Tools\\\n"},
      {"C:\\in\\a.txt", "o2003 r 2004", {}, show + kMenu + item + "open [Beta 2004]\n" + after +
       "move 40 C:\\in\\a.txt > D:\\Beta\nbeep\n"},
      {"C:\\in\\a.txt", "r 3200", {}, show + kMenu + item + after + copyA + "D:\\G1\nmove 40 C:\\in\\a.txt > D:\\G2\nbeep\n"},
      {"/#d=move C:\\in\\a.txt", "3200", shift, show + kMenu + "*" + item + after + copyA + "D:\\G1\n" + copyA + "D:\\G2\nbeep\n"},
      {"/#a /#e C:\\in\\a.txt", "3200", {}, show + kMenu + item + after +
       "run C:\\Tools\\rec.exe|D:\\G1 C:\\in\\a.txt|C:\\Tools\\\nrun C:\\Tools\\rec.exe|D:\\G2 C:\\in\\a.txt|C:\\Tools\\\n"},
      {"/#K=sft C:\\box", "2001", {}, show + kMenu + "! box ( &1 ) 3650]\n" + after + told + marked +
       "\ncopy 40 C:\\box\\b.txt > D:\\Alpha\nbeep\n"},
      {"/#a=rec /#K=sft C:\\box", "2000", {}, show + kMenu + "! box ( &1 ) 3650]\n" + after + told + marked +
       "\nrun C:\\Tools\\rec.exe|C:\\Work C:\\box\\b.txt|C:\\Tools\\\n"},
      {"/#d=move C:\\in\\a.txt", "m2000 m2001 3650", {}, show + kMenu + "*" + item + after +
       "browse BrowseMove C:\\in\nmove 40 C:\\in\\a.txt > D:\\Beta\nbeep\n"},
      {"/#g=a /#e C:\\in\\a.txt", "", ctrl, copyA + "D:\\G1\n" + copyA + "D:\\G2\nbeep\nsleep 50\n"
       "run C:\\Tools\\filer.exe|/o D:\\G1\\|C:\\Tools\\\n"},
      {"/#g=Ab C:\\in\\a.txt", "", {}, show + kMenu + item + after},
      {"/#d=move C:\\in\\a.txt", "r 3650", {}, show + kMenu + "*" + item + after +
       "browse BrowseCopy C:\\in\n" + copyA + "D:\\Beta\nbeep\n"},
      {"/#0 /#K=sft C:\\box", "", {}, "browse BrowseCopyInternal C:\\\n" + told + marked +
       "\ncopy 40 C:\\box\\b.txt > D:\\Beta\nbeep\n"},
      {"/#1 C:\\in\\a.txt", "", {}, copyA + "C:\\\nbeep\n"},
      {"/#5 /#e C:\\in\\a.txt", "", {}, ""},  // above the root: nothing, not even the opening
      {"C:\\in\\a.txt", "m2000 m2001 x 3650", {}, show + kMenu + item + after + "browse BrowseCopy C:\\in\n"},
      {"C:\\in\\a.txt", "u 3650", {}, show + kMenu + item + after + "browse BrowseCopy C:\\in\n" + told +
       unheld("D:\\Caf#") + "\n"},
      {"/#1 C:\\in\\missing.txt", "3670", {}, show + "[Falvex.ini ( &1 ) 3660|-|&Help 3670|&Version 3680]\n" +
       after + "run C:\\Tools\\filer.exe|C:\\Prog\\Falvex.txt|C:\\Tools\\\n"},
      {"", "3660", {}, show + "[Falvex.ini ( &1 ) 3660|-|&Help 3670|&Version 3680]\n" + after +
       "run C:\\Tools\\filer.exe|C:\\Prog\\Falvex.ini|C:\\Tools\\\n"},
      {"/#c", "3680", {}, "clip\nunclip\n" + show + kMenu + item + after + "front\nbox VersionTitle: Version\n"},
      {"/#0=\"D:\\Base\" /#e C:\\in\\a.txt", "", {}, "browse BrowseCopy D:\\Base\n" + copyA +
       "D:\\Beta\nbeep\nrun C:\\Tools\\filer.exe|/o D:\\Beta\\|C:\\Tools\\\n"},
      {"/#m=100,200 " + marked + " C:\\in\\a.txt", "", {}, told + marked +
       "\nhooks\nfront\ntrack 100,200 102 " + kMenu + item + after},
      {"/#g=" + unheld("Caf#") + " " + marked, "", {}, told + marked + "\n"},
      {"/#s=gone.ini C:\\box", "", shift, show + kMenu + "! box ( &1 ) 3650]\n" + after},
  };
  for (const Case& c : cases) {
    fake().browseAnswer = "D:\\Beta";
    EXPECT_EQ(run(c.commandLine, c.user, c.keys), c.log) << c.commandLine << " | " << c.user;
    EXPECT_EQ(fake().liveMenus(), 0);
  }
  // Without a file manager the shell opens the folder itself.
  EXPECT_EQ(run("/#g=a /#e C:\\in\\a.txt", "", {}, "[group]\n{A\nD:\\G1\n}\n%end\n"),
            "copy 40 C:\\in\\a.txt > D:\\G1\nbeep\nsleep 50\nrun D:\\G1|(none)|(none)\n");
}
