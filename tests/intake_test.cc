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
    for (const char* f : {"C:\\My Files\\a.txt", "C:\\b.txt", "C:\\Work\\sub\\r.txt",
                          "C:\\Desktop\\a.txt", "C:\\Prog\\my.ini", "C:\\Prog\\sub\\x.ini"})
      addFile(f);
    for (const char* f : {"D:\\Dest", "C:\\Data"}) addFolder(f);
    fake().specialFolders[0x00] = "C:\\Desktop";
  }
  // The run state an option text leaves, from a fresh start.
  std::string optionsOf(const std::string& commandLine) {
    resetRunState();
    resetConfigModel();
    startRecords();
    parseOptions(commandLine.c_str());
    auto n = [](int v) { return std::to_string(v); };
    return std::string(RunState.configPath).substr(8) + " g=" + RunState.groupName + " w" +
           n(RunState.confirm) + " e" + n(RunState.openAfter) + " p" + n(RunState.presetDestination) +
           "=" + RunState.baseFolder + " d" + n(RunState.transferMode) + " a" + n(RunState.execMode) +
           "=" + RunState.execName + " m" + n(Config.menuPosition) + "=" + n(Config.menuX) + "," +
           n(Config.menuY);
  }
};

TEST_F(IntakeTest, OptionsTable) {
  std::pair<std::string, std::string> cases[] = {
      {"", "Falvex.ini g= w9 e0 p0= d9 a0= m9=0,0"},
      {"/#s=my.ini a.txt /#w/#e /#D=MOVE", "my.ini g= w0 e1 p0= d1 a0= m9=0,0"},
      {"/#S=sub\\x.ini /#d=move /#d=copy", "sub\\x.ini g= w9 e0 p0= d0 a0= m9=0,0"},
      {"/#s=C:\\Prog\\my.ini", "Falvex.ini g= w9 e0 p0= d9 a0= m9=0,0"},
      {"/#s=missing.ini", "Falvex.ini g= w9 e0 p0= d9 a0= m9=0,0"},
      {"/#s= x", " g= w9 e0 p0= d9 a0= m9=0,0"},
      {"/#s=" + std::string(259, 'n'), "Falvex.ini g= w9 e0 p0= d9 a0= m9=0,0"},
      {"/#s=" + unheld("#.ini") + " /#0=\"" + unheld("D:\\#") + "\"", "Falvex.ini g= w9 e0 p10= d9 a0= m9=0,0"},
      {"/#A", "Falvex.ini g= w9 e0 p0= d9 a1= m9=0,0"},
      {"/#a=Viewer a.txt /#g=A", "Falvex.ini g=A w9 e0 p0= d9 a2=Viewer m9=0,0"},
      {"/#3 /#1", "Falvex.ini g= w9 e0 p1= d9 a0= m9=0,0"},
      {"/#9 /#0", "Falvex.ini g= w9 e0 p10= d9 a0= m9=0,0"},
      {"/#9", "Falvex.ini g= w9 e0 p9= d9 a0= m9=0,0"},
      {"/#g=Photos /#0=\"D:\\Dest\\\" /#2", "Falvex.ini g=Photos w9 e0 p10=D:\\Dest d9 a0= m9=0,0"},
      {"/#0=\"D:\\No where\"", "Falvex.ini g= w9 e0 p10= d9 a0= m9=0,0"},
      {"/#m=1920,1080 a.txt", "Falvex.ini g= w9 e0 p0= d9 a0= m1=1920,1080"},
      {"/#m=center", "Falvex.ini g= w9 e0 p0= d9 a0= m4=0,0"},
      {"/#m=MAXIMUM,MAX", "Falvex.ini g= w9 e0 p0= d9 a0= m1=1024,740"},
      {"/#m=MAX,MAXX", "Falvex.ini g= w9 e0 p0= d9 a0= m1=1024,0"},
      {"/#m=12345678,7", "Falvex.ini g= w9 e0 p0= d9 a0= m1=123456,7"},
      {"/#m=active,9", "Falvex.ini g= w9 e0 p0= d9 a0= m0=0,0"},
      {"/#m=mous2,mouse", "Falvex.ini g= w9 e0 p0= d9 a0= m3=0,0"},
      {"/#m=", "Falvex.ini g= w9 e0 p0= d9 a0= m9=0,0"},
      {"/#m=" + std::string(259, '1'), "Falvex.ini g= w9 e0 p0= d9 a0= m9=0,0"},
  };
  for (auto& c : cases) EXPECT_EQ(optionsOf(c.first), c.second) << c.first;
  optionsOf("/#a=Viewer");
  parseOptions("");  // emptied by every call
  EXPECT_STREQ(RunState.execName, "");
  optionsOf("/#g=" + std::string(300, 'g'));
  EXPECT_EQ(strlen(RunState.groupName), 259u);
}

// Command lines split at blanks outside quotes, clipboard text at line
// feeds; only existing names are taken, whole and folders without the last
// backslash.
TEST_F(IntakeTest, SourcesFromText) {
  addFile("C:\\Work\\" + std::string(300, 'x'));  // exists, but no path holds it
  struct Case {
    int mode;
    std::string text, sources;
  } cases[] = {
      {kCommandLineText, "\"C:\\My Files\\a.txt\"C:\\b.txt sub\\r.txt C:\\b\t.t\rxt", "C:\\My Files\\a.txt|C:\\b.txt|C:\\Work\\sub\\r.txt|C:\\b.txt|"},
      {kCommandLineText, "C:\\b.txt\"C:\\My Files\\a.txt\" C:\\Data\\ /#0=\"D:\\Dest\" " + std::string(300, 'x'), "C:\\b.txt|C:\\My Files\\a.txt|C:\\Data|"},
      {kLineText, "\"C:\\My Files\\a.txt\"\r\n C:\\b.txt \r\nD:\\Dest\\\n\n\"C:\\Data\"", "C:\\My Files\\a.txt|C:\\b.txt|D:\\Dest|C:\\Data|"},
  };
  for (const Case& c : cases) {
    collectSources(c.text.c_str(), c.mode);
    std::string got;
    for (const std::string& s : sources()) got += s + "|";
    EXPECT_EQ(got, c.sources) << c.text;
  }
}

// A name that would reach a file the user did not name is left out and
// named in the notice box; nothing is sent in its place.
TEST_F(IntakeTest, NamesThatWouldReachAnotherFileAreLeftOut) {
  addFile("C:\\Cafe\\r.txt");  // what best fit would make of the names below
  addFile(unheld("C:\\Caf#\\r.txt"));
  addFile(unheld("C:\\Caf#\\s.txt"));
  fake().specialFolders[0x05] = unheld("C:\\Caf#");
  Config.expandMacros = 1;
  struct Case {
    const char* what;
    std::string currentFolder, commandLine, box;
  } cases[] = {
      {"a relative name in a current folder the code page cannot hold", unheld("C:\\Caf#"),
       "r.txt", "UnheldNames " + unheld("C:\\Caf#\\r.txt")},
      {"a special folder the code page cannot hold", "C:\\Work",
       "\"%My Documents%\\s.txt\"", "UnheldNames " + unheld("C:\\Caf#\\s.txt")},
      {"devices, with or without an extension, in any folder", "C:\\Work",
       "C:\\Work\\nul.txt com1 D:\\x\\Con LPT9.log C:\\b.txt",
       "InvalidNames C:\\Work\\nul.txt com1 D:\\x\\Con LPT9.log"},
  };
  for (const Case& c : cases) {
    fake().currentFolder = c.currentFolder;
    collectSources(c.commandLine.c_str(), kCommandLineText);
    EXPECT_TRUE(tellLeftOutNames(nullptr)) << c.what;
    EXPECT_EQ(takeLog(), "front\nbox Notice: " + c.box + "\n") << c.what;
    for (const std::string& source : sources()) EXPECT_EQ(source, "C:\\b.txt") << c.what;
  }
}

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
  EXPECT_EQ(sources()[1], "C:\\f6");
  EXPECT_EQ(sources()[999], "C:\\f1004");
  EXPECT_TRUE(tellLeftOutNames(nullptr));
  EXPECT_EQ(takeLog(), "clip\nunclip\nfront\nbox Notice: UnheldNames " + unheld("C:\\x#.txt") +
                           " InvalidNames C:\\src\\x* C:\\a?.txt D:\\Dest\\nul.txt\n");
  fake().clipboardBlocks.erase(plat::kClipboardFileList);
  fake().clipboardBlocks[plat::kClipboardUnicodeText] =
      unicodeTextBlock(unheld("C:\\#.txt") + "\r\nC:\\b.txt\r\n");
  EXPECT_EQ(collectClipboardSources(nullptr), 1);
  fake().clipboardBlocks[plat::kClipboardUnicodeText] = unicodeTextBlock("");
  EXPECT_EQ(collectClipboardSources(nullptr), 0);
  fake().clipboardBlocks.clear();
  EXPECT_EQ(collectClipboardSources(nullptr), 0);
  EXPECT_EQ(takeLog(), "clip\nunclip\nclip\nunclip\n");
  collectSources(("\"  " + unheld("C:\\q #.txt") + " \" C:\\b.txt").c_str(), kCommandLineText);
  tellLeftOutNames(nullptr);
  EXPECT_EQ(takeLog(), "front\nbox Notice: UnheldNames " + unheld("C:\\#.txt C:\\q #.txt") + "\n");
}

TEST_F(IntakeTest, StartupSteps) {
  EXPECT_EQ(deriveProgramNames("\"C:\\My Tools\\tool.exe\""), "tool");
  initPathsAndMetrics(800, 570, 2);
  EXPECT_EQ(std::string(RunState.programFolder) + "|" + RunState.readmePath,
            "C:\\My Tools\\|C:\\My Tools\\Falvex.txt");
  EXPECT_STREQ(argumentsAfterProgramName("\"C:\\My Tools\\F.exe\"  a b"), "a b");
  EXPECT_STREQ(argumentsAfterProgramName("F.exe\t\"x y\""), "\"x y\"");

  // A missing configuration is created, and start-up goes on.
  deriveProgramNames("C:\\Prog\\Falvex.exe");
  initPathsAndMetrics(800, 600, 3);
  RunState.commandLine = "/#w";
  ASSERT_TRUE(runStartupSteps(nullptr, false));

  // A program folder too long, or one the code page cannot hold: no path
  // forms, nothing is read or created, not another Falvex.ini nor a cut one.
  addFile("C:\\Work\\Falvex.ini", "[group]\n{G\nC:\\Work\n}\n%end\n");
  addFile("C:\\Cafe\\Falvex.ini", "[group]\n{G\nC:\\Work\n}\n%end\n");
  for (std::string module : {"C:\\" + std::string(248, 'f') + "\\Falvex.exe",
                             "C:\\" + std::string(263, 'f') + "\\Falvex.exe", unheld("C:\\Caf#\\Falvex.exe")}) {
    std::string folder = module.substr(0, module.size() - 10);
    addFolder(folder.find(kUnheldMark) == std::string::npos ? folder : "C:\\Cafe");
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
