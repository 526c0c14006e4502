#include "config/recent_list.h"
#include "tests/test_support.h"

namespace {

const char kList[] = "C:\\Prog\\Falvex.recent";

std::string listFile() {
  std::string text;
  plat::readWholeFile(kList, plat::kOpenExisting, &text);
  return text;
}

}  // namespace

class RecentTest : public FalvexTest {
 protected:
  void SetUp() override {
    FalvexTest::SetUp();
    Config.recentCapacity = 3;
  }
};

// What a list file gives: absolute folders only, each once, nothing a
// hand or a crash could have put there that names another folder.
TEST_F(RecentTest, WhatAListFileGives) {
  const std::string tooLong = "C:\\" + std::string(100000, 'x');
  struct Case {
    const char* what;
    std::string bytes;
    List folders;
  } cases[] = {
      {"a folder per line, CRLF or LF, blanks after it dropped", "D:\\A\r\nD:\\B  \nE:\\\r\n",
       {"D:\\A", "D:\\B", "E:"}},
      {"each folder once, ignoring case", "D:\\Work\r\nd:\\WORK\r\nD:\\Work\\\r\n", {"D:\\Work"}},
      {"network folders are kept", "\\\\server\\share\\x\r\n", {"\\\\server\\share\\x"}},
      {"relative paths, drive-relative ones and text are passed over",
       "Work\r\nD:Work\r\n\\Work\r\n\\\\\\x\r\n\\\\\r\nhello world\r\nD:\\A\r\n", {"D:\\A"}},
      {"a line too long for a path is passed over", tooLong + "\r\nD:\\A\r\n", {"D:\\A"}},
      {"259 characters fit a path, 260 do not",
       "D:\\" + std::string(256, 'k') + "\r\nD:\\" + std::string(257, 'x') + "\r\n",
       {"D:\\" + std::string(256, 'k')}},
      {"a byte-order mark is no part of the first folder", "\xEF\xBB\xBF" "D:\\A\r\n", {"D:\\A"}},
      {"UTF-8 as the list is written", "D:\\\xE5\x86\x99\r\nD:\\caf\xC3\xA9\r\n",
       {"D:\\\x8E\xCA", unheld("D:\\caf#")}},
      {"a NUL or binary bytes never cut a line into another folder",
       std::string("D:\\A\0B\r\n\xFF\xFE\x01\r\nD:\\C\r\n", 19), {"D:\\C"}},
  };
  for (const Case& c : cases) EXPECT_EQ(recentFoldersOf(c.bytes), c.folders) << c.what;

  std::string many;
  for (int i = 0; i < 30; ++i) many += "D:\\F" + std::to_string(i) + "\r\n";
  EXPECT_EQ(recentFoldersOf(many).size(), 20u) << "at most twenty";
  EXPECT_EQ(recentListText(mergedRecent({"D:\\B", "D:\\C"},
                                        recentLinesOf("d:\\c\r\nD:\\A\r\nD:\\D\r\n"), 3)),
            "D:\\B\r\nD:\\C\r\nD:\\A\r\n")
      << "the chosen on top, each once, cut to the capacity";
}

// The file is read, merged and written under a hold, in one step; when
// anything stands in the way the list stays as it was.
TEST_F(RecentTest, RecordingKeepsTheListWhole) {
  addFile(kList, "D:\\Old\r\n");
  EXPECT_TRUE(recordRecentFolders({"D:\\New"}));
  EXPECT_EQ(listFile(), "D:\\New\r\nD:\\Old\r\n");
  addFile(kList, "D:\\Other\r\nD:\\New\r\n");  // another run wrote meanwhile
  EXPECT_TRUE(recordRecentFolders({"E:\\"}));
  EXPECT_EQ(listFile(), "E:\\\r\nD:\\Other\r\nD:\\New\r\n") << "the other run's folder is kept";
  // Lines the menu cannot offer here keep their place and bytes; text that
  // is no path at all goes.
  addFile(kList, "D:\\caf\xC3\xA9\\\r\nhello\r\nZ:\\Gone\\ \r\n");
  EXPECT_TRUE(recordRecentFolders({"D:\\New"}));
  EXPECT_EQ(listFile(), "D:\\New\r\nD:\\caf\xC3\xA9\\\r\nZ:\\Gone\\\r\n");
  EXPECT_EQ(takeLog(), "write C:\\Prog\\Falvex.recent\nwrite C:\\Prog\\Falvex.recent\n"
                           "write C:\\Prog\\Falvex.recent\n");

  holdFile("C:\\Prog\\Falvex.recent.lock");
  EXPECT_FALSE(recordRecentFolders({"D:\\Late"}));
  std::string waited = takeLog();
  std::string twoSeconds;
  for (int retry = 0; retry < 40; ++retry) twoSeconds += "sleep 50\n";
  EXPECT_EQ(waited, twoSeconds) << "about two seconds of retries, and no write";
  EXPECT_EQ(listFile(), "D:\\New\r\nD:\\caf\xC3\xA9\\\r\nZ:\\Gone\\\r\n");
}

// Each row: what stands in the way of the list; the list stays as it was.
TEST_F(RecentTest, NothingIsWrittenWhenItCannotBeDoneWhole) {
  struct Case {
    const char* what;
    void (*prepare)();
  } cases[] = {
      {"a read-only list", [] { makeReadOnly(kList); }},
      {"a folder that cannot be written", [] { fake().writesFail = true; }},
      {"the list off", [] { Config.recentCapacity = 0; }},
  };
  for (const Case& c : cases) {
    resetFake();
    addFolder("C:\\Prog");
    startRecords();
    Config.recentCapacity = 3;
    addFile(kList, "D:\\Old\r\n");
    c.prepare();
    EXPECT_FALSE(recordRecentFolders({"D:\\New"})) << c.what;
    EXPECT_NE(listFile(), "D:\\New\r\nD:\\Old\r\n") << c.what;
    // Only another run's hold is waited for: a lock that cannot be made
    // at all is given up at once.
    EXPECT_EQ(takeLog(), "") << c.what;
  }
}

