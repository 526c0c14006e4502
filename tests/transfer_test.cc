#include "fileops/transfer.h"

#include "fileops/browse.h"
#include "tests/test_support.h"

class TransferTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    addFile("C:\\a\\b\\x.txt");
    addFile("C:\\y.txt");
    for (const char* f : {"D:\\One", "D:\\Two", "D:\\Three"}) addFolder(f);
    RunState.transferMode = 1;
    RunState.confirm = 1;
    addSource("C:\\a\\b\\x.txt");
    addSource("C:\\y.txt");
  }
  void makeGroup(std::initializer_list<const char*> members) {
    Groups.count = 1;
    for (const char* m : members)
      copyText(Groups.member[0][Groups.memberCount[0]++], kPathSize, m);
  }
  std::string funcs() {
    std::string s;
    for (auto& op : fake().fileOps) s += op.func == kFileOpMove ? 'M' : 'C';
    return s;
  }
};

TEST_F(TransferTest, GroupCopiesToAllButMovesToTheLast) {
  makeGroup({"D:\\One", "D:\\Two", "D:\\Three"});
  transferSourceList(nullptr, 0);
  EXPECT_EQ(funcs(), "CCM");
  EXPECT_EQ(fake().fileOps[2].to, "D:\\Three");
  EXPECT_EQ(fake().fileOps[0].from, (std::vector<std::string>{"C:\\a\\b\\x.txt", "C:\\y.txt"}));
  EXPECT_EQ(fake().fileOps[0].flags, kFofAllowUndo);
  EXPECT_EQ(fake().beeps, 1);
}

TEST_F(TransferTest, FailureOrPartialCancelStopsBeforeTheRest) {
  makeGroup({"D:\\One", "D:\\Two", "D:\\Three"});
  fake().failAtCall = 2;
  transferSourceList(nullptr, 0);
  EXPECT_EQ(funcs(), "CC");  // the move to the third never happens
  EXPECT_EQ(fake().beeps, 0);

  fake().fileOps.clear();
  fake().failAtCall = 0;
  fake().abortAtCall = 1;
  RunState.confirm = 0;
  transferSourceList(nullptr, 0);
  EXPECT_EQ(funcs(), "C");
  EXPECT_EQ(fake().fileOps[0].flags, kFofAllowUndo | kFofNoConfirmation);
  EXPECT_EQ(fake().beeps, 0);
}

TEST_F(TransferTest, MarkedEntriesInTableOrderMoveToTheHighest) {
  addFolder("E:\\");
  DirEntries.count = 4;
  const char* folders[] = {"D:\\One", "D:\\Two", "D:\\Three", "E:"};
  for (int i = 0; i < 4; ++i) copyText(DirEntries.folder[i], kPathSize, folders[i]);
  DirEntries.marked[3] = DirEntries.marked[0] = DirEntries.marked[2] = 1;
  DirEntries.markedCount = 3;
  transferSourceList(nullptr, 10);
  EXPECT_EQ(funcs(), "CCM");
  EXPECT_EQ(fake().fileOps[0].to, "D:\\One");
  EXPECT_EQ(fake().fileOps[2].to, "E:\\");  // a bare drive means its root
  EXPECT_EQ(DirEntries.markedCount, 0);
}

TEST_F(TransferTest, NothingToSendMeansNoBeep) {
  makeGroup({});
  EXPECT_EQ(performTransfer(nullptr, std::string("C:\\y.txt\0", 9), 0), 1);
  EXPECT_EQ(fake().fileOps.size(), 0u);
  EXPECT_EQ(fake().beeps, 0);
}

TEST_F(TransferTest, LevelsWalk) {
  RunState.transferMode = 0;
  RunState.presetDestination = 1;
  transferSourceList(nullptr, 3);
  ASSERT_EQ(fake().fileOps.size(), 1u);
  EXPECT_EQ(fake().fileOps[0].to, "C:\\a");
  EXPECT_EQ(fake().fileOps[0].from.size(), 2u);
  EXPECT_EQ(funcs(), "C");

  EXPECT_TRUE(walkUpLevels(2));
  EXPECT_STREQ(RunState.resolvedDestination, "C:\\");
  EXPECT_FALSE(walkUpLevels(3));  // never above the root
  copyText(RunState.sourceList[0], kLongPathSize, "D:");
  EXPECT_FALSE(walkUpLevels(0));
  copyText(RunState.sourceList[0], kLongPathSize, "C:\\gone\\x.txt");
  EXPECT_FALSE(walkUpLevels(1));
  copyText(RunState.sourceList[0], kLongPathSize, "D:\\One");
  EXPECT_TRUE(walkUpLevels(0));
  EXPECT_STREQ(RunState.resolvedDestination, "D:\\");
}

TEST_F(TransferTest, FolderContentsAreTheItems) {
  addFile("C:\\src\\a.txt");
  addFile("C:\\src\\.hidden");
  addFile("C:\\src\\sub\\deep.txt");
  addFolder("C:\\empty");
  copyText(RunState.sourceList[0], kLongPathSize, "C:\\src");
  makeGroup({"D:\\One"});
  transferFolderContents(nullptr, 0);
  ASSERT_EQ(fake().fileOps.size(), 1u);
  EXPECT_EQ(fake().fileOps[0].from,
            (std::vector<std::string>{"C:\\src\\a.txt", "C:\\src\\.hidden", "C:\\src\\sub"}));
  copyText(RunState.sourceList[0], kLongPathSize, "C:\\empty");
  transferFolderContents(nullptr, 0);
  EXPECT_EQ(fake().fileOps.size(), 1u);
  EXPECT_EQ(fake().beeps, 1);
}

TEST_F(TransferTest, BrowserTitleAndStartFolder) {
  addFolder("C:\\dir");
  copyText(RunState.sourceList[0], kLongPathSize, "C:\\dir");
  RunState.folderInternal = 1;
  RunState.transferMode = 0;
  fake().browseAnswer = "D:\\One";
  EXPECT_EQ(browseForDestination(nullptr, "C:"), "D:\\One");
  EXPECT_EQ(fake().browseStarts[0], "C:\\");
  EXPECT_EQ(fake().browseTitles[0], kTextBrowseCopyInternal);
  copyText(RunState.sourceList[0], kLongPathSize, "C:\\y.txt");
  RunState.transferMode = 1;
  browseForDestination(nullptr, "C:\\a");
  EXPECT_EQ(fake().browseStarts[1], "C:\\a");
  EXPECT_EQ(fake().browseTitles[1], kTextBrowseMove);
}

TEST_F(TransferTest, VanishedDestinationStopsTheRunAndSaysSo) {
  makeGroup({"D:\\One", "D:\\Two", "D:\\Three"});
  removeEntry("D:\\Three");
  transferSourceList(nullptr, 0);
  EXPECT_EQ(funcs(), "CC");  // the move would have renamed the sources
  EXPECT_EQ(fake().beeps, 0);
  ASSERT_EQ(fake().boxes.size(), 1u);
  EXPECT_EQ(fake().boxes[0], std::make_pair(kTextFolderMissing, kTextNoticeTitle));
  EXPECT_EQ(fake().boxLines[0], std::vector<std::string>{"D:\\Three"});

  fake().fileOps.clear();
  removeEntry("D:\\One");
  EXPECT_EQ(performTransfer(nullptr, std::string("C:\\y.txt\0", 9), 0), 0);
  EXPECT_TRUE(fake().fileOps.empty());
}

TEST_F(TransferTest, DriveRootsReachTheShellAsRoots) {
  addFolder("E:\\");
  RunState.sourceCount = 0;
  addSource("E:");  // a root as the sources store it
  addSource("\\");
  makeGroup({"\\"});
  transferSourceList(nullptr, 0);
  ASSERT_EQ(fake().fileOps.size(), 1u);
  EXPECT_EQ(fake().fileOps[0].from, (std::vector<std::string>{"E:\\", "\\"}));
  EXPECT_EQ(fake().fileOps[0].to, "\\");
}
