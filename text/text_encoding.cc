#include "text/text_encoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/platform.h"

namespace {

bool startsWith(const std::string& bytes, const char* prefix, size_t n) {
  return bytes.size() >= n && bytes.compare(0, n, prefix, n) == 0;
}

// Length of the valid UTF-8 sequence at bytes[pos] and its code point in
// *point; 0 when the bytes there are not valid UTF-8 (overlong forms,
// surrogates and values above U+10FFFF included).
size_t utf8Sequence(const std::string& bytes, size_t pos, char32_t* point) {
  unsigned char lead = static_cast<unsigned char>(bytes[pos]);
  size_t length;
  char32_t value, minimum;
  if (lead < 0x80) {
    *point = lead;
    return 1;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > bytes.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    unsigned char next = static_cast<unsigned char>(bytes[pos + k]);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return 0;
  *point = value;
  return length;
}

void appendPoint(std::u16string* out, char32_t point) {
  if (point < 0x10000) {
    out->push_back(static_cast<char16_t>(point));
  } else {
    point -= 0x10000;
    out->push_back(static_cast<char16_t>(0xD800 + (point >> 10)));
    out->push_back(static_cast<char16_t>(0xDC00 + (point & 0x3FF)));
  }
}

std::u16string fromUtf8(const std::string& bytes, size_t pos) {
  std::u16string out;
  while (pos < bytes.size()) {
    char32_t point = 0;
    size_t length = utf8Sequence(bytes, pos, &point);
    if (length == 0) {
      out.push_back(kUnreadableUnit);
      ++pos;
    } else {
      appendPoint(&out, point);
      pos += length;
    }
  }
  return out;
}

bool isHigh(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool isLow(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

std::u16string fromUtf16(const std::string& bytes, bool bigEndian) {
  std::u16string units;
  for (size_t pos = 2; pos + 1 < bytes.size(); pos += 2) {
    unsigned char first = static_cast<unsigned char>(bytes[pos]);
    unsigned char second = static_cast<unsigned char>(bytes[pos + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second
                                                    : (second << 8) | first));
  }
  if (bytes.size() % 2) units.push_back(kUnreadableUnit);  // a half unit
  // A surrogate must come as a high one followed by a low one.
  for (size_t i = 0; i < units.size(); ++i) {
    if (isHigh(units[i]) && i + 1 < units.size() && isLow(units[i + 1])) ++i;
    else if (isHigh(units[i]) || isLow(units[i])) units[i] = kUnreadableUnit;
  }
  return units;
}

// Converts one line; a line holding unreadable input is marked as such and
// keeps what could be read, so a checker can still show it.
void appendLine(const std::u16string& line, std::string* out) {
  if (line.find(kUnreadableUnit) == std::u16string::npos) {
    *out += plat::ansiFromUtf16(line);
    return;
  }
  std::u16string readable;
  for (char16_t unit : line)
    if (unit != kUnreadableUnit) readable.push_back(unit);
  *out += kUnreadableLine;
  *out += plat::ansiFromUtf16(readable);
}


// Whether a byte beyond ASCII is there: eight bytes a step, as the text is
// read whole and is mostly ASCII.
bool anyBeyondAscii(const std::string& bytes) {
  const char* p = bytes.data();
  size_t n = bytes.size(), i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t word;
    memcpy(&word, p + i, 8);
    if (word & 0x8080808080808080ULL) return true;
  }
  for (; i < n; ++i)
    if (static_cast<unsigned char>(p[i]) >= 0x80) return true;
  return false;
}

// ANSI bytes that name nothing whole: a NUL, the byte of a mark (which
// would be taken for a character the file never held), or a byte the code
// page cannot read (which would become a guessed character, such as U+FFFD
// where the code page is UTF-8). Only bytes beyond ASCII can be the last.
bool ansiLineUnreadable(const std::string& line) {
  return line.find('\0') != std::string::npos || line.find(kUnheldMark) != std::string::npos ||
         (anyBeyondAscii(line) && !plat::ansiTextReadable(line.data(), line.size()));
}

// ANSI text with every unreadable line marked so, and its NULs taken out.
std::string withUnreadableLinesMarked(const std::string& bytes) {
  if (!ansiLineUnreadable(bytes)) return bytes;  // the common case, in one look
  std::string out;
  for (size_t start = 0; start < bytes.size();) {
    size_t end = bytes.find('\n', start);
    end = end == std::string::npos ? bytes.size() : end + 1;
    std::string line = bytes.substr(start, end - start);
    if (ansiLineUnreadable(line)) {
      line.erase(std::remove(line.begin(), line.end(), '\0'), line.end());
      out += kUnreadableLine;
    }
    out += line;
    start = end;
  }
  return out;
}

}  // namespace

TextEncoding detectTextEncoding(const std::string& bytes) {
  if (startsWith(bytes, "\xEF\xBB\xBF", 3)) return kEncodingUtf8Bom;
  if (startsWith(bytes, "\xFF\xFE", 2)) return kEncodingUtf16Le;
  if (startsWith(bytes, "\xFE\xFF", 2)) return kEncodingUtf16Be;
  bool multiByte = false;
  for (size_t pos = 0; pos < bytes.size();) {
    char32_t point = 0;
    size_t length = utf8Sequence(bytes, pos, &point);
    if (length == 0) return kEncodingAnsi;
    multiByte = multiByte || length > 1;
    pos += length;
  }
  return multiByte ? kEncodingUtf8 : kEncodingAnsi;
}

const char* encodingName(TextEncoding encoding) {
  switch (encoding) {
    case kEncodingUtf8: return "UTF-8 (no BOM)";
    case kEncodingUtf8Bom: return "UTF-8 (BOM)";
    case kEncodingUtf16Le: return "UTF-16 LE (BOM)";
    case kEncodingUtf16Be: return "UTF-16 BE (BOM)";
    case kEncodingAnsi: break;
  }
  return "ANSI (system code page)";
}

std::u16string utf16FromBytes(const std::string& bytes, TextEncoding encoding) {
  switch (encoding) {
    case kEncodingUtf8: return fromUtf8(bytes, 0);
    case kEncodingUtf8Bom: return fromUtf8(bytes, 3);
    case kEncodingUtf16Le: return fromUtf16(bytes, false);
    case kEncodingUtf16Be: return fromUtf16(bytes, true);
    case kEncodingAnsi: break;
  }
  return std::u16string();
}

std::string ansiFromFileBytes(const std::string& bytes, TextEncoding* detected) {
  TextEncoding encoding = detectTextEncoding(bytes);
  if (detected) *detected = encoding;
  if (encoding == kEncodingAnsi) return withUnreadableLinesMarked(bytes);
  std::u16string text = utf16FromBytes(bytes, encoding);
  // A NUL would end the text for every C-string reader behind this point:
  // its line is unreadable instead, and the lines after it are read.
  std::replace(text.begin(), text.end(), u'\0', kUnreadableUnit);
  if (text.find(kUnreadableUnit) == std::u16string::npos)
    return plat::ansiFromUtf16(text);
  std::string out;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find(u'\n', start);
    end = end == std::u16string::npos ? text.size() : end + 1;
    appendLine(text.substr(start, end - start), &out);
    start = end;
  }
  return out;
}

std::string utf8FromUtf16(const std::u16string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t point = text[i];
    if (isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1]))
      point = 0x10000 + ((point - 0xD800) << 10) + (text[++i] - 0xDC00);
    else if (isHigh(text[i]) || isLow(text[i]))
      point = 0xFFFD;
    if (point < 0x80) {
      out += static_cast<char>(point);
    } else if (point < 0x800) {
      out += static_cast<char>(0xC0 | (point >> 6));
      out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
      out += static_cast<char>(0xE0 | (point >> 12));
      out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (point >> 18));
      out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (point & 0x3F));
    }
  }
  return out;
}
