#include <tuple>

#include "tests/test_support.h"
#include "text/ansi_text.h"
#include "text/text_encoding.h"
#include "state/left_out_names.h"

// CP932 pairs whose trail bytes differ only by 0x20, as an upper and a lower
// case ASCII letter would: カ 83 4A / ニ 83 6A, 雨 89 4A / 泳 89 6A; ソ 83 5C
// and 表 95 5C end in the byte of a backslash; ｱ B1 is a half-width katakana.
#define KA "\x83\x4A"
#define NI "\x83\x6A"
#define SO "\x83\x5C"

using TextTest = FalvexTest;

// A search never matches inside a double-byte character nor folds its trail
// byte; a half-width kana is one byte.
TEST_F(TextTest, DoubleByteCharactersStayWhole) {
  const char text[] = "a%" KA "%%" NI "%";
  EXPECT_EQ(findTextI(text, "%" NI "%"), text + 5);
  const char kana[] = "\xB1J";  // half-width katakana are single bytes
  EXPECT_EQ(findTextI(kana, "j"), kana + 1);
  EXPECT_EQ(nextCharLength("\x83"), 1u);  // a lone lead byte at the end
  EXPECT_TRUE(endsWithBackslash("C:\\\xB1\\"));
  EXPECT_TRUE(endsWithBackslash("\\"));
}

// Lengths are counted as Windows counts them, in UTF-16 units, whatever
// the script and the code page. Each row: a name, the code page it is held
// in, and whether a path's field takes it (259 units) whole.
TEST_F(TextTest, APathHolds259CharactersOfAnyScript) {
  const std::string e = unheld("#"), pair = "\x01" "D83D\x01" "DE00", smile = "\xF0\x9F\x98\x80";
  auto times = [](const std::string& text, int n) {
    std::string out;
    for (int k = 0; k < n; ++k) out += text;
    return out;
  };
  const struct {
    const char* what;
    int codePage;
    std::string name;
    bool fits;
  } rows[] = {
      {"259 ASCII", 932, std::string(259, 'a'), true},
      {"260 ASCII", 932, std::string(260, 'a'), false},
      {"259 marked letters (1,295 bytes)", 932, times(e, 259), true},
      {"260 marked letters", 932, times(e, 260), false},
      {"129 marked surrogate pairs and one more", 932, times(pair, 129) + "a", true},
      {"130 marked surrogate pairs", 932, times(pair, 130), false},
      {"200 double-byte characters (400 bytes)", 932, times(KA, 200), true},
      {"260 double-byte characters", 932, times(KA, 260), false},
      {"259 Hangul letters in UTF-8", 65001, times("\xED\x95\x9C", 259), true},
      {"129 UTF-8 emoji (a pair each) and one more", 65001, times(smile, 129) + "a", true},
      {"130 UTF-8 emoji", 65001, times(smile, 130), false},
  };
  for (const auto& row : rows) {
    fake().codePage = row.codePage;
    char field[kPathSize] = "x";
    EXPECT_EQ(copyWholeWord(field, sizeof field, row.name.c_str()), row.fits) << row.what;
    EXPECT_EQ(field, row.fits ? row.name : "") << row.what << ": whole or not at all";
  }
}

// Copies and appends that do not fit say so and never cut a character in
// two: a field of 5 units holds 4 and its NUL.
TEST_F(TextTest, BoundedCopiesNeverSplitACharacter) {
  char out[5 * kBytesPerUnit];
  EXPECT_FALSE(copyText(out, sizeof out, "abc" KA "x"));
  EXPECT_STREQ(out, "abc" KA) << "the double-byte character is one unit";
  EXPECT_FALSE(appendText(out, sizeof out, "x"));
  std::string cut = "ab" SO SO;
  cutText(&cut, 3);
  EXPECT_EQ(cut, "ab" SO);
  fake().codePage = 65001;
  EXPECT_FALSE(copyText(out, sizeof out, "abc\xF0\x9F\x98\x80"));
  EXPECT_STREQ(out, "abc") << "a pair is two units, never cut";
  EXPECT_EQ(nextCharLength("\xE9" "ab"), 1u) << "a lead byte without its sequence stands alone";
  fake().codePage = 932;
  char path[8] = "C:\\x";
  EXPECT_TRUE(addBackslash(path, sizeof path));
  EXPECT_TRUE(addBackslash(path, sizeof path));  // once only
  EXPECT_STREQ(path, "C:\\x\\");
  char full[] = "C:\\xy", exact[6] = "C:\\x";
  EXPECT_FALSE(addBackslash(full, sizeof full));
  EXPECT_TRUE(addBackslash(exact, sizeof exact)) << "the backslash and the NUL just fit";
  char none[4] = "";
  EXPECT_FALSE(copyText(none, 0, "x"));
  normaliseFolder(none, sizeof none);
  EXPECT_STREQ(none, "\\") << "the current drive's root";
}

namespace {

std::string unheldUnit(unsigned unit) {
  char mark[8];
  snprintf(mark, sizeof mark, "\x01%04X", unit);
  return mark;
}

}  // namespace

// Quoting, case folding of A-Z only, numbers held in an int, blanks trimmed.
TEST_F(TextTest, ShellStringHelpers) {
  EXPECT_EQ(quoteSpaces("C:\\a b"), "\"C:\\a b\"");
  EXPECT_EQ(quoteSpaces("C:\\ab"), "C:\\ab");
  EXPECT_EQ(quoteSpaces("\"x y\""), "\"x y\"") << "quoted once";
  EXPECT_TRUE(equalsI("AZ@[", "az@["));
  EXPECT_FALSE(equalsI("@[", "`{")) << "only A-Z fold";
  // Marked letters fold as the file system folds them, at each end of each
  // range; a name never matches another. Each row: two units, the same name?
  const std::tuple<unsigned, unsigned, bool> pairs[] = {
      {0xC0, 0xE0, true},     {0x132, 0x133, true},   {0x40F, 0x45F, true},
      {0x410, 0x430, true},   {0x388, 0x3AD, true},   {0x138, 0x139, false},
      {0xC9, 0xE9, true},     {0xDE, 0xFE, true},     {0xD7, 0xF7, false},  // × is no letter
      {0x178, 0xFF, true},    {0x100, 0x101, true},   {0x147, 0x148, true},
      {0x149, 0x14A, false},  {0x179, 0x17A, true},   {0x386, 0x3AC, true},
      {0x38C, 0x3CC, true},   {0x391, 0x3B1, true},   {0x390, 0x3B0, false},
      {0x3AB, 0x3CB, true},   {0x400, 0x450, true},   {0x42F, 0x44F, true},
      {0x430, 0x450, false},  {0xE9, 0xEA, false},    {0x139, 0x13A, true},
      {0x38A, 0x3AF, true},   {0x3FF, 0x44F, false}};
  for (const auto& [capital, small, same] : pairs)
    EXPECT_EQ(equalsI(unheldUnit(capital).c_str(), unheldUnit(small).c_str()), same) << capital;
  EXPECT_FALSE(equalsI(unheld("#").c_str(), "e"));
  EXPECT_TRUE(equalsI("\x01" "00e9", "\x01" "00E9")) << "hex digits in either case";
  for (const char* cut : {"\x01" "g0E9", "\x01" "00Eg"})
    EXPECT_EQ(nextCharLength(cut), 1u) << "a mark's byte without four hex digits";
  EXPECT_FALSE(equalsI("\xB1", "\xB2")) << "ｱ and ｲ";
  EXPECT_TRUE(equalsI("\xB1" "A", "\xB1" "a")) << "a letter after a half-width kana folds";
  EXPECT_FALSE(pathRulesChangeName("C:\\a\\..")) << "the folder above is no name ending in a dot";
  EXPECT_EQ(textToInt("-12x"), -12);
  EXPECT_EQ(textToInt("21474836461"), 2147483647) << "held at the largest int";
  EXPECT_EQ(textToInt("2147483648"), 2147483647) << "one past the largest int";
  EXPECT_EQ(textToInt("x"), 0);
  struct Case {
    const char* what;
    void (*change)(char*);
    const char* text;
    const char* result;
  } cases[] = {
      {"unquoting an empty quote", unquoteSpaces, "\"\"", ""},
      {"unquoting without a closing quote", unquoteSpaces, "ab\"", "ab\""},
      {"blanks alone", removeBlanks, "  ", ""},
      {"blanks around", removeBlanks, " a b ", "a b"},
  };
  for (const Case& c : cases) {
    char text[kPathSize];
    copyText(text, sizeof text, c.text);
    c.change(text);
    EXPECT_STREQ(text, c.result) << c.what;
  }
}

// Each row: a file's first bytes and the encoding they are read in; then
// what each encoding gives as UTF-16, an unreadable unit for what it cannot.
TEST_F(TextTest, EncodingIsDecidedByTheBytes) {
  std::pair<std::string, TextEncoding> cases[] = {
      {"\xEF\xBB\xBF[dir]", kEncodingUtf8Bom},
      {"\xEF\xBB[dir]", kEncodingAnsi},                    // two thirds of a BOM
      {"\xFF\xFE[\0", kEncodingUtf16Le},
      {"\xFE\xFF\0[", kEncodingUtf16Be},
      {"[dir]\nD:\\\xE5\x86\x99\n", kEncodingUtf8},
      {"[dir]\nC:\\Work\n", kEncodingAnsi},                 // ASCII only
      {"[dir]\nD:\\\x8E\xCA\x90\x5E\n", kEncodingAnsi},     // 写真 in CP932
      {"\xB1\xB2\xB3", kEncodingAnsi},                      // half-width kana alone
      {"\xC3\xB1\xC3\xB2", kEncodingUtf8},                  // kana pairs that pass as UTF-8
      {"\xC0\xAF", kEncodingAnsi},                          // overlong
      {"\xED\xA0\x80", kEncodingAnsi},                      // a surrogate
      {"\xF4\x90\x80\x80", kEncodingAnsi},                  // above U+10FFFF
      {"\xE5\x86", kEncodingAnsi},                          // cut short
      {"\xF0\x9F\x98\x80", kEncodingUtf8},                  // an emoji
      {"\xE0\xA0\x80\xEF\xBF\xBD\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF", kEncodingUtf8},
      {"\xE0\x9F\xBF", kEncodingAnsi},                      // overlong, three bytes
      {"\xF0\x8F\xBF\xBF", kEncodingAnsi},                  // overlong, four bytes
      {"\xFF", kEncodingAnsi},                              // never in UTF-8
      {"\xF5\x80\x80\x80", kEncodingAnsi},                  // no such lead byte
      {"\xED\xBF\xBF", kEncodingAnsi},                      // the last surrogate
      {"\x7F\xDF\xBF", kEncodingUtf8},                      // the last one- and two-byte forms
      {"\xC2\x80", kEncodingUtf8},                          // the first two-byte form
      {"\x84\x80\x80\x80", kEncodingAnsi},                  // a lone trail byte leads nothing
  };
  for (auto& c : cases) EXPECT_EQ(detectTextEncoding(c.first), c.second) << c.first;
  EXPECT_EQ(utf16FromBytes("\xF0\x9F\x98\x80\xC3\xA9\xEF\xBF\xBD\xF4\x8F\xBF\xBF\xF1\x80\x80\x80"
                           "\xF0\x90\x80\x80", kEncodingUtf8),
            u"\U0001F600\u00E9\uFFFD\U0010FFFF\U00040000\U00010000");
  EXPECT_EQ(utf16FromBytes("\xEF\xBB\xBF\xED\xA0\x80\xEF\xBF\xBF" "a\xC3", kEncodingUtf8Bom),
            std::u16string({kUnreadableUnit, kUnreadableUnit, kUnreadableUnit, 0xFFFF, u'a',
                            kUnreadableUnit}));
  EXPECT_EQ(utf16FromBytes(std::string("\xFF\xFE\x3D\xD8\xFF\xDF\x00\xDC\x41", 9),
                           kEncodingUtf16Le),
            std::u16string({0xD83D, 0xDFFF, kUnreadableUnit, kUnreadableUnit}));
  EXPECT_EQ(utf16FromBytes(std::string("\xFE\xFF\xD8\x00\x00\x41\xDC\x00\xDB\xFF\xDF\xFF", 12),
                           kEncodingUtf16Be),
            std::u16string({kUnreadableUnit, u'A', kUnreadableUnit, 0xDBFF, 0xDFFF}));
}

// The recent list is written as UTF-8: each length of sequence at its edges,
// a pair as one character, a lone surrogate as U+FFFD.
TEST_F(TextTest, Utf8OfEachLength) {
  struct Case {
    const char* what;
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {"ASCII to its last", u"a\u007F", "a\x7F"},
      {"two bytes, first and last", u"\u0080\u07FF", "\xC2\x80\xDF\xBF"},
      {"three bytes, first and last", u"\u0800\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBF"},
      {"a surrogate pair is four bytes, first to last", u"\U00010000\U0001F600\U0010FFFF",
       "\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF"},
      {"a lone high or low surrogate", std::u16string({0xD800, u'a', 0xDC00}),
       "\xEF\xBF\xBD" "a\xEF\xBF\xBD"},
      {"a high surrogate at the end", std::u16string({u'a', 0xDBFF}), "a\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) EXPECT_EQ(utf8FromUtf16(c.text), c.bytes) << c.what;
}
