#include "app/options.h"
#include "app/program_arguments.h"
#include "app/sources.h"
#include "app/startup.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

class IntakeTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    for (const char* file : {"C:\\My Files\\a.txt", "C:\\b.txt", "C:\\Work\\sub\\r.txt",
                             "C:\\Desktop\\a.txt", "C:\\Prog\\my.ini", "C:\\Prog\\sub\\x.ini"})
      addFile(file);
    addFolder("D:\\Dest");
    addFolder("C:\\Data");
    fake().specialFolders[0x00] = "C:\\Desktop";
  }
  // The settings an option text changes from a fresh start, by name.
  std::string optionsOf(const std::string& commandLine) {
    resetRunState();
    resetConfigModel();
    startRecords();
    parseOptions(commandLine.c_str());
    std::string changed;
    auto say = [&](const std::string& setting) {
      changed += (changed.empty() ? "" : " ") + setting;
    };
    if (strcmp(RunState.configPath, "C:\\Prog\\Falvex.ini") != 0)
      say(std::string("config=") + RunState.configPath);
    if (RunState.groupName[0]) say(std::string("group=") + RunState.groupName);
    if (RunState.confirm != kNotSet)
      say(RunState.confirm == kConfirmOff ? "prompts=off" : "prompts=on");
    if (RunState.openAfter) say("open-after");
    if (RunState.presetDestination == kPresetBrowse) say("browse");
    else if (RunState.presetDestination != kPresetNone)
      say("levels-up=" + std::to_string(RunState.presetDestination));
    if (RunState.baseFolder[0]) say(std::string("browse-from=") + RunState.baseFolder);
    if (RunState.transferMode != kNotSet)
      say(RunState.transferMode == kTransferMove ? "move" : "copy");
    if (RunState.execMode == kExecFirst) say("first-program");
    if (RunState.execMode == kExecNamed) say(std::string("program=") + RunState.execName);
    const char* menuAt[] = {"menu=active-window", "menu=at", "menu=mouse", "menu=mouse-centred",
                            "menu=screen-centre"};
    if (Config.menuPosition == kMenuAtCoordinates)
      say("menu=at " + std::to_string(Config.menuX) + "," + std::to_string(Config.menuY));
    else if (Config.menuPosition != kNotSet)
      say(menuAt[Config.menuPosition]);
    return changed;
  }
};

// Each row: an option text and the settings it changes.
TEST_F(IntakeTest, OptionsTable) {
  std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"/#s=my.ini a.txt /#w/#e /#D=MOVE", "config=C:\\Prog\\my.ini prompts=off open-after move"},
      {"/#S=sub\\x.ini /#d=move /#d=copy", "config=C:\\Prog\\sub\\x.ini copy"},
      {"/#s=C:\\Prog\\my.ini", ""},  // a name beside the program, never a path
      {"/#s= x", "config=C:\\Prog\\"},
      {"/#s=" + std::string(259, 'n'), ""},
      {"/#s=" + unheld("#.ini") + " /#0=\"" + unheld("D:\\#") + "\"", "browse"},
      {"/#a=Viewer a.txt /#g=A", "group=A program=Viewer"},
      {"/#3 /#1", "levels-up=1"},
      {"/#9 /#0", "browse"},
      {"/#g=Photos /#0=\"D:\\Dest\\\" /#2", "group=Photos browse browse-from=D:\\Dest"},
      {"/#m=1920,1080 a.txt", "menu=at 1920,1080"},
      {"/#m=MAXIMUM,MAX", "menu=at 1024,740"},
      {"/#m=12345678,7", "menu=at 123456,7"},
      {"/#m=active,9", "menu=active-window"},
      {"/#m=mous2,mouse", "menu=mouse-centred"},
      {"/#m=" + std::string(260, '1'), ""},
  };
  for (auto& c : cases) EXPECT_EQ(optionsOf(c.first), c.second) << c.first;
  optionsOf("/#a=Viewer");
  parseOptions("");  // emptied by every call
  EXPECT_STREQ(RunState.execName, "");
  optionsOf("/#g=" + std::string(259, 'g'));
  EXPECT_EQ(strlen(RunState.groupName), 259u);
  optionsOf("/#g=" + std::string(260, 'g'));
  EXPECT_STREQ(RunState.groupName, "") << "refused whole, never cut into another group's name";
}

// A name the code page cannot hold is taken exactly, never its best-fit
// look-alike; one that would reach a file the user did not name is left out
// and told in the notice box, with what to do, and nothing goes in its place.
TEST_F(IntakeTest, NamesTakenExactlyOrLeftOut) {
  addFile("C:\\Cafe\\r.txt");  // what best fit would make of the names below
  addFile(unheld("C:\\Caf#\\r.txt"));
  addFile("C:\\Work\\x");
  // 259 characters (263 bytes marked) fit, as Windows counts; 260 do not.
  const std::string deep = unheld("C:\\Work\\" + std::string(250, 'n') + "#");
  const std::string deeper = unheld("C:\\Work\\" + std::string(251, 'n') + "#");
  addFile(deep);
  addFile(deeper);
  struct Case {
    const char* what;
    std::string currentFolder, commandLine, box;
    List sources;
  } cases[] = {
      {"a relative name in a current folder the code page cannot hold", unheld("C:\\Caf#"),
       "r.txt", "", {unheld("C:\\Caf#\\r.txt")}},
      {"devices in any folder, with or without an extension; a trailing dot", "C:\\Work",
       "C:\\Work\\nul.txt com1 D:\\x\\Con LPT9.log x. \"C:\\My Files\\a.txt\" C:\\b\t.t\rxt",
       "InvalidNames C:\\Work\\nul.txt com1 D:\\x\\Con LPT9.log x. InvalidAdvice",
       {"C:\\My Files\\a.txt", "C:\\b.txt"}},  // a blank in quotes kept, a tab and a CR dropped
      {"a name of 259 characters, one of them marked", "C:\\Work", deep.substr(8), "", {deep}},
      {"a name of 260 characters", "C:\\Work", deeper.substr(8),
       "TooLongNames " + std::string(251, 'n') + "é TooLongAdvice", {}},
  };
  for (const Case& c : cases) {
    fake().currentFolder = c.currentFolder;
    collectSources(c.commandLine.c_str(), kCommandLineText);
    EXPECT_EQ(tellLeftOutNames(nullptr), !c.box.empty()) << c.what;
    EXPECT_EQ(takeLog(), c.box.empty() ? "" : "front\nbox Notice: " + c.box + "\n") << c.what;
    EXPECT_EQ(sources(), c.sources) << c.what;
  }
}

// The clipboard's file list wins over its text. Of 1,205 names, those no
// path holds, that the shell would expand or that name a device are left
// out and told in one box; the rest, names the code page cannot hold among
// them, are taken up to 1,000. Text is read when no list is there; a clipboard holding
// neither gives nothing and is not even opened.
TEST_F(IntakeTest, ClipboardListBeforeTextAndLeftOutNames) {
  fake().clipboardBlocks[plat::kClipboardUnicodeText] = unicodeTextBlock("C:\\b.txt\r\n");
  List names;
  for (int i = 0; i < 1205; ++i) names.push_back("C:\\f" + std::to_string(i));
  names[0] = "D:\\Dest\\";
  names[1] = "C:\\" + std::string(300, 'l');  // does not fit a path
  names[2] = "C:\\src\\x*";                  // the shell would expand it
  names[3] = unheld("C:\\x#.txt");
  names[4] = "C:\\a?.txt";
  names[5] = "D:\\Dest\\nul.txt";            // a device in any folder
  fake().clipboardBlocks[plat::kClipboardFileList] = fileListBlock(names);
  EXPECT_EQ(collectClipboardSources(nullptr), 1);
  ASSERT_EQ(RunState.sourceCount, 1000);
  EXPECT_EQ(sources()[0], "D:\\Dest");
  EXPECT_EQ(sources()[1], unheld("C:\\x#.txt"));
  EXPECT_EQ(sources()[999], "C:\\f1003");
  EXPECT_TRUE(tellLeftOutNames(nullptr));
  EXPECT_EQ(takeLog(), "clip\nunclip\nfront\nbox Notice: TooLongNames " + names[1] +
                           " TooLongAdvice InvalidNames C:\\src\\x* C:\\a?.txt "
                           "D:\\Dest\\nul.txt InvalidAdvice\n");

  // Text alone: a line naming a device is left out, the next taken, the
  // blanks around it dropped.
  fake().clipboardBlocks.erase(plat::kClipboardFileList);
  fake().clipboardBlocks[plat::kClipboardUnicodeText] =
      unicodeTextBlock("C:\\nul\r\n C:\\b.txt \r\n");
  EXPECT_EQ(collectClipboardSources(nullptr), 1);
  EXPECT_EQ(sources(), List{"C:\\b.txt"});
  fake().clipboardBlocks[plat::kClipboardUnicodeText] = unicodeTextBlock("");
  EXPECT_EQ(collectClipboardSources(nullptr), 0);
  fake().clipboardBlocks.clear();
  EXPECT_EQ(collectClipboardSources(nullptr), 0);
  EXPECT_EQ(takeLog(), "clip\nunclip\nclip\nunclip\n");
  // Names left out so far are told together: the clipboard's with the command line's.
  collectSources("\"  com1 \" C:\\b.txt", kCommandLineText);
  tellLeftOutNames(nullptr);
  EXPECT_EQ(takeLog(), "front\nbox Notice: InvalidNames C:\\nul com1 InvalidAdvice\n");

  // Where the code page is UTF-8, an ANSI list or text naming café in
  // another code page names nothing: never its look-alike caf\uFFFD.txt.
  fake().codePage = 65001;
  addFile("C:\\caf\xEF\xBF\xBD.txt");
  addFile("C:\\b.txt");
  std::string ansiList = std::string(20, '\0') + "C:\\caf\xE9.txt" + std::string(1, '\0') +
                         "C:\\b.txt" + std::string(2, '\0');
  ansiList[0] = 20;
  fake().clipboardBlocks = {{plat::kClipboardFileList, ansiList},
                            {plat::kClipboardText, "C:\\caf\xE9.txt\r\nC:\\b.txt"}};
  for (bool list : {true, false}) {
    if (!list) fake().clipboardBlocks.erase(plat::kClipboardFileList);
    EXPECT_EQ(collectClipboardSources(nullptr), 1);
    EXPECT_EQ(sources(), List{"C:\\b.txt"}) << list;
  }
}

// The program's names from its own path, the arguments after its name, and
// a start-up that stops before anything is read when no path can be formed.
TEST_F(IntakeTest, StartupSteps) {
  EXPECT_EQ(deriveProgramNames("\"C:\\My Tools\\tool.exe\""), "tool");
  initPathsAndMetrics(800, 570, 2);
  EXPECT_STREQ(RunState.programFolder, "C:\\My Tools\\");
  EXPECT_STREQ(RunState.readmePath, "C:\\My Tools\\Falvex.txt");
  EXPECT_STREQ(argumentsAfterProgramName("\"C:\\My Tools\\F.exe\"  a b"), "a b");
  EXPECT_STREQ(argumentsAfterProgramName("F.exe\t\"x y\""), "\"x y\"");
  // Arguments part at blanks outside quotes; quotes go, and "" is an empty one.
  const char* rest = " a\t\"b c\"d \"\"  ";
  std::string argument;
  for (const char* expected : {"a", "b cd", ""}) {
    EXPECT_TRUE(nextArgument(&rest, &argument)) << expected;
    EXPECT_EQ(argument, expected);
  }
  EXPECT_FALSE(nextArgument(&rest, &argument)) << "only blanks are left";

  // A missing configuration is created, and start-up goes on.
  deriveProgramNames("C:\\Prog\\Falvex.exe");
  initPathsAndMetrics(800, 600, 3);
  RunState.commandLine = "/#w";
  ASSERT_TRUE(runStartupSteps(nullptr, false));

  // A program folder the code page cannot hold reads its own Falvex.ini.
  addFile(unheld("C:\\Caf#\\Falvex.ini"), "[dir]\nC:\\Work\n%end\n");
  deriveProgramNames(unheld("C:\\Caf#\\Falvex.exe").c_str());
  initPathsAndMetrics(800, 600, 3);
  ASSERT_TRUE(runStartupSteps(nullptr, false));
  EXPECT_EQ(RunState.configPath, unheld("C:\\Caf#\\Falvex.ini"));

  // A program folder too long: no path forms, nothing is read or created,
  // not another Falvex.ini nor a cut one.
  addFile("C:\\Work\\Falvex.ini", "[group]\n{G\nC:\\Work\n}\n%end\n");
  addFile("C:\\Cafe\\Falvex.ini", "[group]\n{G\nC:\\Work\n}\n%end\n");
  for (std::string module : {"C:\\" + std::string(248, 'f') + "\\Falvex.exe",
                             "C:\\" + std::string(263, 'f') + "\\Falvex.exe"}) {
    std::string folder = module.substr(0, module.size() - 10);
    addFolder(folder);
    addFile((folder + "Falvex.ini").substr(0, 259), "[group]\n{S\nC:\\Work\n}\n%end\n");
    size_t entries = fake().entries.size();
    copyText(RunState.configPath, kPathSize, "C:\\Work\\Falvex.ini");  // never read instead
    deriveProgramNames(module.c_str());
    initPathsAndMetrics(800, 600, 3);
    RunState.commandLine = "";
    EXPECT_FALSE(runStartupSteps(nullptr, false)) << module.size();
    EXPECT_EQ(fake().entries.size(), entries);  // nothing created
    EXPECT_EQ(takeLog(), "front\nbox Error: ConfigError\n");
  }
}
