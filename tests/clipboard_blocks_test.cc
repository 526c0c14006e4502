#include "app/clipboard_blocks.h"
#include "tests/test_support.h"

namespace {

// A DROPFILES header: where the names start, and whether they are wide.
std::string dropHeader(unsigned namesAt, bool wide) {
  std::string header(20, '\0');
  for (int k = 0; k < 4; ++k) header[k] = static_cast<char>((namesAt >> (8 * k)) & 0xFF);
  header[16] = wide ? 1 : 0;
  return header;
}

std::string wide(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out += std::string(1, c) + '\0';
  return out;
}

const std::string kNul(1, '\0');
const std::string kWideNul(2, '\0');

}  // namespace

using ClipboardBlockTest = FalvexTest;

// Another program wrote the block: whatever it holds, nothing is read past
// its end, and a name that does not end inside it is left out.
TEST_F(ClipboardBlockTest, FileListsAreReadWithinTheirBlock) {
  struct Case {
    const char* what;
    std::string block;
    List names;
  } cases[] = {
      {"one wide name and the closing NUL",
       dropHeader(20, true) + wide("C:\\a") + kWideNul + kWideNul, {"C:\\a"}},
      {"a list without its closing NUL ends with the block",
       dropHeader(20, true) + wide("C:\\a") + kWideNul, {"C:\\a"}},
      {"the last name runs to the end of the block: left out",
       dropHeader(20, true) + wide("C:\\a") + kWideNul + wide("C:\\unfinished"), {"C:\\a"}},
      {"half a unit at the end is no NUL",
       dropHeader(20, true) + wide("C:\\a") + std::string(1, '\0'), {}},
      {"ANSI names when the header says they are not wide",
       dropHeader(20, false) + "C:\\a" + kNul + "C:\\b" + kNul + kNul, {"C:\\a", "C:\\b"}},
      {"ANSI names without the closing NULs",
       dropHeader(20, false) + "C:\\a" + kNul + "C:\\b", {"C:\\a"}},
      {"the header alone", dropHeader(20, true), {}},
      {"less than a header", dropHeader(20, true).substr(0, 19), {}},
      {"names said to start beyond the block",
       dropHeader(0x100000, true) + wide("C:\\a") + kWideNul + kWideNul, {}},
      {"names said to start inside the header",
       dropHeader(19, true) + wide("C:\\a") + kWideNul + kWideNul, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(namesFromFileListBlock(c.block), c.names) << c.what;
}

// Clipboard text, wide or ANSI, ends at its NUL or, without one, at the
// block's end: never past it.
TEST_F(ClipboardBlockTest, TextEndsAtItsNulOrTheBlock) {
  struct Case {
    const char* what;
    std::string block;
    bool wide;
    std::string text;
  } cases[] = {
      {"wide text up to its NUL", wide("C:\\a") + kWideNul + wide("junk"), true, "C:\\a"},
      {"wide text without a NUL ends with the block", wide("C:\\a") + "x", true, "C:\\a"},
      {"ANSI text up to its NUL", "C:\\a" + kNul + "junk", false, "C:\\a"},
      {"ANSI text without a NUL ends with the block", "C:\\a", false, "C:\\a"},
      {"a mark's byte in ANSI text stands for no character", "C:\\\x01" "00E9", false,
       "C:\\\x02" "00E9"},
  };
  for (const Case& c : cases) EXPECT_EQ(textFromClipboardBlock(c.block, c.wide), c.text) << c.what;
}
