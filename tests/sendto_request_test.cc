#include "tools/sendto_request.h"

#include "tests/test_support.h"

using SendToRequestTest = FalvexTest;

TEST_F(SendToRequestTest, ArgumentsAndNames) {
  struct Case {
    std::string arguments, parsed;  // action force name|options, or the error
  } cases[] = {
      {"", "create 0 Falvex|"},
      {" \"Falvex (move)\"  /#d=move /#0=\"D:\\My Dest\" /#w  ", "create 0 Falvex (move)|/#d=move /#0=\"D:\\My Dest\" /#w"},
      {"--force --remove \"Falvex (move)\"", "remove 1 Falvex (move)|"},
      {"NAME --force /#d=move --force", "create 1 NAME|/#d=move --force"},
      {"\"T\xE9\" /#w", "create 0 T\xE9|/#w"},
      {unheld("\"Tn #\" /#d=move"), "create 0 " + unheld("Tn #|/#d=move")},
      {"--remove", "--remove needs the name of the shortcut"},
      {"--remove Falvex /#w", "--remove takes only the name of the shortcut"},
      {"\"\" /#d=move", "\"\" cannot be a shortcut name: it is empty"},
      {"\"  \" /#d=move", "\"  \" cannot be a shortcut name: it is empty"},
      {"a/b /#w", "\"a/b\" cannot be a shortcut name: a file name cannot hold \\ / : * ? \" < > | or control characters"},
  };
  for (const Case& c : cases) {
    SendToRequest r = parseSendToRequest(c.arguments.c_str());
    std::string parsed = r.error.empty() ? std::string(r.action == SendToRequest::kCreate ? "create " : "remove ") +
                                               (r.force ? "1 " : "0 ") + r.name + "|" + r.options
                                         : r.error;
    EXPECT_EQ(parsed, c.parsed) << c.arguments;
  }
  std::string why;
  for (const char* bad : {"a\\b", "a:b", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", "tab\there", "dot.",
                          "blank ", "CON", "nul.txt", "com1", "LPT9", "CONOUT$"})
    EXPECT_FALSE(isShortcutName(bad, &why)) << bad;
  EXPECT_FALSE(isShortcutName(std::string(201, 'x'), &why));
  EXPECT_EQ(why, "it is longer than 200 characters");
  // 表 95 5C and ソ 83 5C: the trail byte is no backslash; a marked
  // character is one character of the 200.
  for (std::string good : List{"Falvex", "\x95\x5C", "\x83\x5C" "x", "COM0", "console", ".hidden",
                           std::string(199, 'x') + unheld("#")})
    EXPECT_TRUE(isShortcutName(good, &why)) << good;
}
