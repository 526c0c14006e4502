#include "launch/command_line.h"
#include "launch/launcher.h"
#include "launch/placeholders.h"
#include "menu/menu_actions.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

using CommandLineTest = FalvexTest;

// What a program is handed: the sources for %M and %-M, the destination for
// %P and %-P, bounded; no placeholder for the sources, no launch.
TEST_F(CommandLineTest, SourcesAndDestinationsInProgramParameters) {
  addFolder("D:\\dir");
  for (const char* f : {"C:\\y.txt", "C:\\Tools\\rec.exe"}) addFile(f);
  copyText(RunState.execProgram, kPathSize, "C:\\Tools\\rec.exe");
  setSources({"C:\\y.txt", "D:\\dir"});
  struct Case {
    const char* what;
    const char* parameters;
    const char* commandLine;
  } cases[] = {
      {"\"%M\" quotes each source, a folder with its backslash", "/x \"%M\" /y",
       "/x \"C:\\y.txt\" \"D:\\dir\\\" /y"},
      {"\"%-M\" drops a folder's backslash", "/x \"%-M\" /y", "/x \"C:\\y.txt\" \"D:\\dir\" /y"},
      {"only the first %M is filled", "%M|%M", "C:\\y.txt D:\\dir\\|%M"},
  };
  for (const Case& c : cases) {
    launchWithSources(c.parameters);
    EXPECT_EQ(takeLog(), std::string("run C:\\Tools\\rec.exe|") + c.commandLine + "|C:\\Tools\\\n")
        << c.what;
  }
  launchWithSources("no placeholder");
  EXPECT_EQ(takeLog(), "");
  // A list Windows would cut starts nothing, and says how many names it held:
  // 32,767 units with the quotes, the blank and the NUL is the most.
  EXPECT_TRUE(commandLineFits("p", std::string(32762, 'x').c_str()));
  EXPECT_FALSE(commandLineFits("p", std::string(32763, 'x').c_str()));
  List many;
  for (int k = 0; k < 1000; ++k) many.push_back("C:\\" + std::to_string(k) + std::string(30, 'n'));
  for (const std::string& name : many) addFile(name);
  setSources(many);
  launchWithSources("%M");
  EXPECT_EQ(takeLog(), "front\nbox Notice: CommandTooLong(1000) CommandTooLongAdvice\n");

  // Destination placeholders: a text of more than 1039 characters is
  // refused, never cut.
  std::string filled;
  for (size_t length : {1032u, 1033u})
    EXPECT_EQ(fillDestinationPlaceholders((std::string(length, 'x') + "%P").c_str(), "D:\\dir",
                                          kProgramDirect, &filled),
              length == 1032) << length;
  // A drive root is stored bare, but "Q:" alone names the drive's current
  // folder: programs get the root in both forms.
  addFolder("Q:\\");
  fillDestinationPlaceholders("[%P][%-P]", "Q:", kProgramDirect, &filled);
  EXPECT_EQ(filled, "[Q:\\][Q:\\]");
  copyText(Config.filerParams, kPathSize, "/o %P");  // of no file manager: not used
  openDestination("Q:");
  EXPECT_EQ(takeLog(), "run Q:\\|(none)|(none)\n") << "the shell opens the root itself";
}

// A name never runs a command. Each row: a name given as the source
// C:\s\<name> and the destination folder D:\<name>, and what an .exe and a
// .bat program are handed for "%P|%M".
// A name cmd.exe would act on is quoted in every form, a quote added to a
// folder keeping an .exe's parse ("\\" before the closing quote); one
// holding % starts no batch at all.
TEST_F(CommandLineTest, NamesReachProgramsQuotedWhereCmdWouldActOnThem) {
  for (const char* f : {"C:\\Tools\\rec.exe", "C:\\Tools\\rec.bat"}) addFile(f);
  RunState.execMode = kExecFirst;
  const struct {
    std::string name, exe, batch;
  } rows[] = {
      {"a&b", R"("D:\a&b\\"|"C:\s\a&b")", R"("D:\a&b\"|"C:\s\a&b")"},
      {"x y&pwn", R"("D:\x y&pwn\\"|"C:\s\x y&pwn")", R"("D:\x y&pwn\"|"C:\s\x y&pwn")"},
      {"50%off%", R"("D:\50%off%\\"|"C:\s\50%off%")",
       "front\nbox Notice: BatchUnsafeNames D:\\50%off% BatchUnsafeAdvice"},
      {"a^b", R"("D:\a^b\\"|"C:\s\a^b")", R"("D:\a^b\"|"C:\s\a^b")"},
      {"(1)", R"x("D:\(1)\\"|"C:\s\(1)")x", R"x("D:\(1)\"|"C:\s\(1)")x"},
      {"plain", R"(D:\plain\|C:\s\plain)", R"(D:\plain\|C:\s\plain)"},
      {"a b", R"(D:\a b\|C:\s\a b)", R"(D:\a b\|C:\s\a b)"},
  };
  auto handed = [&](const char* program, const char* params, const std::string& name) {
    copyText(RunState.execProgram, kPathSize, program);
    copyText(RunState.execParams, kPathSize, params);
    performDestination(nullptr, planForBrowsedFolder("D:\\" + name));
    std::string log = takeLog(), run = std::string("run ") + program + "|";
    log.pop_back();
    if (log.rfind(run, 0) == 0) log.erase(0, run.size()).erase(log.find("|C:\\Tools\\"), 10);
    return log;
  };
  for (const auto& row : rows) {
    addFile("C:\\s\\" + row.name);
    addFolder("D:\\" + row.name);
    setSources({"C:\\s\\" + row.name});
    EXPECT_EQ(handed("C:\\Tools\\rec.exe", "%P|%M", row.name), row.exe) << row.name;
    EXPECT_EQ(handed("C:\\Tools\\rec.bat", "%P|%M", row.name), row.batch) << row.name;
  }
  // A parameter text past 1,039 characters once filled starts nothing, for
  // an [exec] program or the file manager, and says so.
  const std::string deep = "D:\\" + std::string(250, 'd');
  addFolder(deep);
  setSources({"C:\\s\\plain"});
  EXPECT_EQ(handed("C:\\Tools\\rec.exe", "%P%P%P%P%P %M", std::string(250, 'd')),
            "front\nbox Notice: CommandTooLong(1) CommandTooLongAdvice");
  copyText(Config.filerPath, kPathSize, "C:\\Tools\\rec.exe");
  copyText(Config.filerParams, kPathSize, "%P%P%P%P%P");
  openDestination(deep.c_str());
  EXPECT_EQ(takeLog(), "front\nbox Notice: CommandTooLong(1) CommandTooLongAdvice\n");
  Config.filerParams[0] = '\0';
  // A form that quotes already quotes once, never twice.
  setSources({"C:\\s\\a&b"});
  EXPECT_EQ(handed("C:\\Tools\\rec.bat", "\"%M\"", "a&b"), R"("C:\s\a&b")");
  // A source a batch cannot be handed is said; the others go.
  setSources({"C:\\s\\50%off%", "C:\\s\\plain"});
  EXPECT_EQ(handed("C:\\Tools\\rec.bat", "\"%-P\" %M", "plain"),
            "\"D:\\plain\" C:\\s\\plain\nfront\n"
            "box Notice: BatchUnsafeNames C:\\s\\50%off% BatchUnsafeAdvice");
  // A batch file manager opens a folder it can be handed, quoted where cmd.exe
  // would act; one holding % opens nothing.
  addFile("C:\\Tools\\f.bat");
  copyText(Config.filerPath, kPathSize, "C:\\Tools\\f.bat");
  resetLeftOutNames();  // said once already above
  openDestination("D:\\R&D");
  openDestination("D:\\50%off%");
  EXPECT_EQ(takeLog(), "run C:\\Tools\\f.bat|\"D:\\R&D\"|C:\\Tools\\\n"
                       "front\nbox Notice: BatchUnsafeNames D:\\50%off% BatchUnsafeAdvice\n");
  // cmd.exe reads the command line of a batch file, a .cmd one and itself.
  for (const char* program : {"C:\\T\\x.CMD", "C:\\Windows\\System32\\Cmd.exe", "x.bat"})
    EXPECT_EQ(programKindOf(program), kProgramThroughCmd) << program;
  EXPECT_EQ(programKindOf("C:\\T\\bat.exe"), kProgramDirect);
}
