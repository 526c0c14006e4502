#include "text/ansi_text.h"

#include <gtest/gtest.h>

#include "tests/fake_platform.h"

// CP932 pairs whose trail bytes differ only by 0x20, as an upper and a lower
// case ASCII letter would: カ 83 4A / ニ 83 6A, ア 83 41 / ヂ 83 61,
// 雨 89 4A / 泳 89 6A.
#define KA "\x83\x4A"
#define NI "\x83\x6A"
#define A_ "\x83\x41"
#define DI "\x83\x61"
#define AME "\x89\x4A"
#define OYOGU "\x89\x6A"

TEST(AnsiTextTest, DoubleByteCharactersCompareExactlyIgnoringCase) {
  resetFake();
  EXPECT_EQ(findTextI("%" NI "%", "%" KA "%"), nullptr);
  EXPECT_EQ(findTextI("x" DI, A_), nullptr);
  EXPECT_FALSE(equalsI(AME, OYOGU));
  EXPECT_FALSE(keyMatches(KA "abc", NI "abc", 5));
  // Same characters, and single-byte letters around them, still fold.
  EXPECT_TRUE(equalsI("Grp" AME, "gRP" AME));
  const char text[] = "a%" KA "%" "%" NI "%";
  EXPECT_EQ(findTextI(text, "%" NI "%"), text + 5);
  EXPECT_TRUE(keyMatches("@PATH=" KA, "@path=", 6));
  // A trail byte that equals a letter is never a match on its own.
  EXPECT_EQ(findTextI(KA, "J"), nullptr);
  EXPECT_EQ(findTextI(KA, "j"), nullptr);
}
