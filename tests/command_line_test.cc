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

  // Destination placeholders, bounded, each occurrence once.
  addFolder("D:\\100%p");
  EXPECT_EQ(fillDestinationPlaceholders("%P %-p|%P", "D:\\100%p"),
            "D:\\100%p\\ D:\\100%p|D:\\100%p\\");
  EXPECT_EQ(fillDestinationPlaceholders(std::string(1100, 'x').c_str(), "D:\\dir").size(),
            kParameterTextLimit);
  // A drive root is stored bare, but "Q:" alone names the drive's current
  // folder: programs get the root in both forms.
  addFolder("Q:\\");
  EXPECT_EQ(fillDestinationPlaceholders("[%P][%-P]", "Q:"), "[Q:\\][Q:\\]");
  copyText(Config.filerParams, kPathSize, "/o %P");  // of no file manager: not used
  openDestination("Q:");
  EXPECT_EQ(takeLog(), "run Q:\\|(none)|(none)\n") << "the shell opens the root itself";
}
