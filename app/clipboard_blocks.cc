#include "app/clipboard_blocks.h"

#include <algorithm>

#include "platform/platform.h"

namespace {

const size_t kDropFilesHeaderSize = 20;  // sizeof(DROPFILES)
const size_t kNamesOffsetAt = 0;         // DROPFILES.pFiles
const size_t kWideFlagAt = 16;           // DROPFILES.fWide
const char kUnreadableByte = '\x02';     // in no file name, as control bytes are not

unsigned readLittleEndian(const std::string& block, size_t at, size_t bytes) {
  unsigned value = 0;
  for (size_t k = bytes; k-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(block[at + k]);
  return value;
}

// The wide text from byte pos up to its NUL unit; false when the block ends
// first, with *text holding what was there. *next is the byte behind the NUL.
bool wideTextAt(const std::string& block, size_t pos, std::u16string* text, size_t* next) {
  text->clear();
  for (; pos + 2 <= block.size(); pos += 2) {
    char16_t unit = static_cast<char16_t>(readLittleEndian(block, pos, 2));
    if (unit == 0) {
      *next = pos + 2;
      return true;
    }
    text->push_back(unit);
  }
  return false;
}

// ANSI bytes as text: a mark's byte another program wrote stands for no
// character, so it is made a byte no name holds either.
std::string withoutMarks(std::string text) {
  std::replace(text.begin(), text.end(), kUnheldMark, kUnreadableByte);
  return text;
}

bool ansiTextAt(const std::string& block, size_t pos, std::string* text, size_t* next) {
  size_t nul = block.find('\0', pos);
  if (nul == std::string::npos) return false;
  *text = withoutMarks(block.substr(pos, nul - pos));
  *next = nul + 1;
  return true;
}

}  // namespace

std::vector<std::string> namesFromFileListBlock(const std::string& block) {
  std::vector<std::string> names;
  if (block.size() < kDropFilesHeaderSize) return names;
  size_t pos = readLittleEndian(block, kNamesOffsetAt, 4);
  bool wide = readLittleEndian(block, kWideFlagAt, 4) != 0;
  if (pos < kDropFilesHeaderSize || pos >= block.size()) return names;
  for (;;) {
    std::string name;
    if (wide) {
      std::u16string units;
      if (!wideTextAt(block, pos, &units, &pos)) break;
      name = plat::ansiFromUtf16(units);
    } else if (!ansiTextAt(block, pos, &name, &pos)) {
      break;
    }
    if (name.empty()) break;
    names.push_back(name);
  }
  return names;
}

std::string textFromClipboardBlock(const std::string& block, bool wide) {
  if (!wide) return withoutMarks(block.substr(0, block.find('\0')));
  std::u16string units;
  size_t next = 0;
  wideTextAt(block, 0, &units, &next);  // unended text ends with the block
  return plat::ansiFromUtf16(units);
}
