#include "fileops/browse.h"
#include "fileops/transfer.h"
#include "launch/command_line.h"
#include "launch/launcher.h"
#include "launch/placeholders.h"
#include "state/left_out_names.h"
#include "tests/test_support.h"

class TransferTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    addFile("C:\\a\\b\\x.txt");
    addFile("C:\\y.txt");
    for (const char* f : {"D:\\One", "D:\\Two", "D:\\Three", "E:\\"}) addFolder(f);
    RunState.transferMode = kTransferMove;
    RunState.confirm = kConfirmOn;
    setSources({"C:\\a\\b\\x.txt", "C:\\y.txt"});
    group({"D:\\One", "D:\\Two", "D:\\Three"});
  }
  void group(const List& members) {
    Groups.count = 1;
    Groups.memberCount[0] = 0;
    for (const std::string& m : members)
      copyText(Groups.member[0][Groups.memberCount[0]++], kPathSize, m.c_str());
  }
};

TEST_F(TransferTest, GroupsFailuresVanishedFoldersAndLevels) {
  const std::string items = "C:\\a\\b\\x.txt;C:\\y.txt";
  fake().failAtOp = 2;  // an error stops the rest: no move, no beep
  transferSourceList(nullptr, 0);
  EXPECT_EQ(takeLog(), "copy 40 " + items + " > D:\\One\ncopy 40 " + items + " > D:\\Two\n");
  fake().failAtOp = 0;
  fake().abortAtOp = 1;  // so does a partial cancel
  RunState.confirm = kConfirmOff;
  transferSourceList(nullptr, 0);
  EXPECT_EQ(takeLog(), "copy 50 " + items + " > D:\\One\n");
  fake().abortAtOp = 0;


  // A destination that vanished stops the run before it: a move would have
  // renamed the sources into a file of that name.
  removeEntry("D:\\Three");
  setSources({"C:\\y.txt"});
  transferSourceList(nullptr, 0);
  EXPECT_EQ(takeLog(), "copy 50 C:\\y.txt > D:\\One\ncopy 50 C:\\y.txt > D:\\Two\nfront\n"
                       "box Notice: FolderMissing D:\\Three\n");

  // Levels up from the first source's folder, never above a root.
  setSources({"C:\\a\\b\\x.txt"});
  EXPECT_TRUE(walkUpLevels(2));
  EXPECT_STREQ(RunState.resolvedDestination, "C:\\");
  EXPECT_FALSE(walkUpLevels(3));
  EXPECT_STREQ(RunState.resolvedDestination, "");
  setSources({"D:\\One"});
  EXPECT_TRUE(walkUpLevels(0));
  EXPECT_STREQ(RunState.resolvedDestination, "D:\\");

  // A folder's entries, hidden ones too, not recursive; an empty one sends nothing.
  for (const char* f : {"C:\\src\\.hidden", "C:\\src\\sub\\deep.txt"}) addFile(f);
  addFolder("C:\\empty");
  group({"D:\\One"});
  for (const char* folder : {"C:\\src", "C:\\empty"}) {
    setSources({folder});
    transferFolderContents(nullptr, 0);
  }
  EXPECT_EQ(takeLog(), "move 50 C:\\src\\.hidden;C:\\src\\sub > D:\\One\nbeep\n");
}

TEST_F(TransferTest, CommandLinesForPrograms) {
  addFolder("D:\\dir");
  addFile("C:\\Tools\\rec.exe");
  copyText(RunState.execProgram, kPathSize, "C:\\Tools\\rec.exe");
  setSources({"C:\\y.txt", "D:\\dir"});
  std::pair<const char*, const char*> forms[] = {
      {"/x \"%M\" /y", "/x \"C:\\y.txt\" \"D:\\dir\\\" /y"},
      {"/x \"%-M\" /y", "/x \"C:\\y.txt\" \"D:\\dir\" /y"},
      {"/x %M /y", "/x C:\\y.txt D:\\dir\\ /y"},
      {"/x %-m /y", "/x C:\\y.txt D:\\dir /y"},
      {"%M then \"%m\"", "%M then \"C:\\y.txt\" \"D:\\dir\\\""},
      {"%M|%M", "C:\\y.txt D:\\dir\\|%M"},
      {"%My Documents% %-M", "C:\\y.txt D:\\dir\\y Documents% %-M"},
  };
  for (auto& f : forms) {
    launchWithSources(f.first);
    EXPECT_EQ(takeLog(), std::string("run C:\\Tools\\rec.exe|") + f.second + "|C:\\Tools\\\n") << f.first;
  }
  launchWithSources("no placeholder");
  EXPECT_EQ(takeLog(), "");

  addFolder("D:\\empty");
  setSources({"D:\\empty"});
  launchWithFolderContents("%M");  // nothing to hand over: no launch
  EXPECT_EQ(takeLog(), "");

  // Destination placeholders, bounded, each occurrence once.
  addFolder("D:\\100%p");
  std::pair<const char*, const char*> places[] = {
      {"/path=%P", "D:\\dir\\"}, {"/path=%-p", "D:\\dir"}, {"%P|%-P", "C:\\"},
      {"%p|%-P", "D:\\gone"}, {"%Programs%", "D:\\dir"}, {"%P %P", "D:\\100%p"}};
  std::string filled;
  for (auto& p : places) filled += fillDestinationPlaceholders(p.first, p.second) + "\n";
  EXPECT_EQ(filled, "/path=D:\\dir\\\n/path=D:\\dir\nC:\\|C:\\\nD:\\gone|D:\\gone\nD:\\dir\\rograms%\n"
                    "D:\\100%p\\ D:\\100%p\\\n");
}
