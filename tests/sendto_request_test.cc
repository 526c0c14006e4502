#include "tools/sendto_request.h"

#include <gtest/gtest.h>

#include "tests/fake_platform.h"

class SendToRequestTest : public ::testing::Test {
 protected:
  void SetUp() override { resetFake(); }
};

TEST_F(SendToRequestTest, NameAndOptionsAsTyped) {
  SendToRequest plain = parseSendToRequest("");
  EXPECT_EQ(plain.action, SendToRequest::kCreate);
  EXPECT_EQ(plain.name, "Falvex");
  EXPECT_EQ(plain.options, "");
  EXPECT_EQ(plain.error, "");

  SendToRequest move = parseSendToRequest(
      " \"Falvex (move)\"  /#d=move /#0=\"D:\\My Dest\" /#w  ");
  EXPECT_EQ(move.name, "Falvex (move)");
  EXPECT_EQ(move.options, "/#d=move /#0=\"D:\\My Dest\" /#w");
  EXPECT_FALSE(move.force);

  SendToRequest remove = parseSendToRequest("--force --remove \"Falvex (move)\"");
  EXPECT_EQ(remove.action, SendToRequest::kRemove);
  EXPECT_TRUE(remove.force);
  EXPECT_EQ(remove.name, "Falvex (move)");
  EXPECT_EQ(remove.error, "");

  EXPECT_NE(parseSendToRequest("--remove").error, "");
  EXPECT_NE(parseSendToRequest("--remove Falvex /#w").error, "");
  EXPECT_NE(parseSendToRequest("a/b /#w").error, "");
}

TEST_F(SendToRequestTest, NamesAFileCannotHold) {
  std::string why;
  for (const char* bad : {"", "a\\b", "a:b", "a*", "a?", "a\"b", "a<b", "a>b", "a|b",
                          "tab\there", "dot.", "blank ", "CON", "nul.txt", "com1", "LPT9"})
    EXPECT_FALSE(isShortcutName(bad, &why)) << bad;
  EXPECT_FALSE(isShortcutName(std::string(201, 'x'), &why));
  // 表 is 95 5C and ソ 83 5C in CP932: the trail byte is no backslash.
  for (const char* good : {"Falvex", "Falvex (move)", "\x95\x5C", "\x83\x5C" "x", "COM0",
                           "console", ".hidden"})
    EXPECT_TRUE(isShortcutName(good, &why)) << good;
}

TEST_F(SendToRequestTest, OtherProgramsShortcutsAreLeftAlone) {
  SendToRequest create = parseSendToRequest("Falvex");
  SendToRequest remove = parseSendToRequest("--remove Falvex");
  SendToRequest forced = parseSendToRequest("--force Falvex");
  EXPECT_EQ(decideSendToStep(create, false, false), kWriteShortcut);
  EXPECT_EQ(decideSendToStep(create, true, true), kWriteShortcut);
  EXPECT_EQ(decideSendToStep(create, true, false), kLeaveAlone);
  EXPECT_EQ(decideSendToStep(forced, true, false), kWriteShortcut);
  EXPECT_EQ(decideSendToStep(remove, false, false), kNothingToDo);
  EXPECT_EQ(decideSendToStep(remove, true, true), kDeleteShortcut);
  EXPECT_EQ(decideSendToStep(remove, true, false), kLeaveAlone);
}
