#include "text/ansi_text.h"

#include <algorithm>
#include <cstring>

#include "platform/platform.h"

char foldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

unsigned foldUnit(unsigned unit) {
  // ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic capitals to their
  // small letters, as the file system pairs them.
  if (unit >= 'A' && unit <= 'Z') return unit + 0x20;
  if ((unit >= 0xC0 && unit <= 0xDE && unit != 0xD7) || (unit >= 0x391 && unit <= 0x3AB) ||
      (unit >= 0x410 && unit <= 0x42F))
    return unit + 0x20;
  if (unit >= 0x400 && unit <= 0x40F) return unit + 0x50;
  if (unit == 0x178) return 0xFF;
  if (unit == 0x386) return 0x3AC;
  if (unit >= 0x388 && unit <= 0x38A) return unit + 0x25;
  if (unit == 0x38C || unit == 0x38E || unit == 0x38F) return unit + (unit == 0x38C ? 0x40 : 0x3F);
  bool oddCapitals = (unit >= 0x139 && unit <= 0x148) || (unit >= 0x179 && unit <= 0x17E);
  bool evenCapitals = unit >= 0x100 && unit <= 0x177 && !(unit >= 0x138 && unit <= 0x149) &&
                      unit != 0x130 && unit != 0x131;
  if ((oddCapitals && unit % 2 == 1) || (evenCapitals && unit % 2 == 0)) return unit + 1;
  return unit;
}

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') return (c | 0x20) - 'a' + 10;
  return -1;
}

// At a mark's byte: 5 when four hex digits follow (a character the code
// page cannot hold), else 1. Out of the hot path: a mark's byte is rare.
__attribute__((noinline)) size_t markedLength(const char* p) {
  for (int k = 1; k <= 4; ++k)
    if (hexDigit(p[k]) < 0) return 1;
  return 5;
}

// At a UTF-8 lead byte of n: n when n - 1 continuation bytes follow, else 1
// (a byte that is no part of a character stands alone).
__attribute__((noinline)) size_t utf8Length(const char* p, int n) {
  for (int k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(p[k]) & 0xC0) != 0x80) return 1;
  return static_cast<size_t>(n);
}

// Length of the character starting at p: 2 for a complete double-byte pair,
// 2 to 4 for a complete UTF-8 sequence, 5 for a marked one; none is cut.
// Walked for every character of every scan: kept small enough to inline.
inline size_t charLength(const char* p) {
  unsigned char c = static_cast<unsigned char>(p[0]);
  if (c < 0x80) return c == kUnheldMark ? markedLength(p) : 1;  // never a lead byte
  int n = plat::ansiCharBytes(c);
  if (n == 2) return p[1] != '\0' ? 2 : 1;
  return n == 1 ? 1 : utf8Length(p, n);
}

// Windows' count of a character of that length: a UTF-8 sequence of four
// bytes stands for a surrogate pair, two units; every other character one.
inline size_t unitsOfChar(size_t length) { return length == 4 ? 2 : 1; }

// The largest cut <= length holding at most maxUnits UTF-16 units, at a
// character's boundary. No character takes less than a byte a unit, so a
// text of maxUnits bytes or fewer is whole without a walk.
size_t safeCut(const char* text, size_t length, size_t maxUnits) {
  if (length <= maxUnits) return length;
  size_t pos = 0, units = 0;
  while (pos < length) {
    size_t step = charLength(text + pos);
    if (pos + step > length || units + unitsOfChar(step) > maxUnits) break;
    pos += step;
    units += unitsOfChar(step);
  }
  return pos;
}

// Compares the characters at *a and *b, ignoring the case of single-byte
// letters; a double-byte character is one unit compared exactly, so a trail
// byte is never folded. Steps both past the character on a match.
bool sameCharI(const char** a, const char** b) {
  unsigned char x = static_cast<unsigned char>(**a), y = static_cast<unsigned char>(**b);
  if (x < 0x80 && y < 0x80 && x != kUnheldMark && y != kUnheldMark) {  // the common case
    if (foldAscii(**a) != foldAscii(**b)) return false;
    ++*a;
    ++*b;
    return true;
  }
  size_t n = charLength(*a);
  if (n != charLength(*b)) return false;
  if (n == 1) {  // a byte beyond ASCII, or a mark's byte alone: no case
    if (**a != **b) return false;
  } else if (n == 5) {
    if (foldUnit(markedUnit(*a)) != foldUnit(markedUnit(*b))) return false;
  } else if ((*a)[0] != (*b)[0] || (*a)[1] != (*b)[1]) {
    return false;
  }
  *a += n;
  *b += n;
  return true;
}

bool matchesAt(const char* text, const char* needle) {
  while (*needle)
    if (*text == '\0' || !sameCharI(&text, &needle)) return false;
  return true;
}

// Offset of the last character of a non-empty text.
size_t lastCharOffset(const char* text) {
  size_t pos = 0, last = 0;
  while (text[pos]) {
    last = pos;
    pos += charLength(text + pos);
  }
  return last;
}

}  // namespace

size_t nextCharLength(const char* p) { return charLength(p); }

size_t unitCount(const char* text, size_t length) {
  size_t units = 0;
  for (size_t pos = 0; pos < length;) {
    size_t step = charLength(text + pos);
    pos += step;
    units += unitsOfChar(step);
  }
  return units;
}

size_t unitCount(const std::string& text) { return unitCount(text.c_str(), text.size()); }

bool copyTextN(char* dst, size_t size, const char* src, size_t count) {
  if (size == 0) return false;
  size_t n = safeCut(src, count, fieldUnits(size));
  memmove(dst, src, n);
  dst[n] = '\0';
  return n == count;
}

bool copyText(char* dst, size_t size, const char* src) {
  return copyTextN(dst, size, src, strlen(src));
}

bool copyWholeWord(char* dst, size_t size, const char* src) {
  if (copyText(dst, size, src)) return true;
  if (size > 0) dst[0] = '\0';
  return false;
}

bool appendText(char* dst, size_t size, const char* src) {
  size_t used = strlen(dst);
  size_t room = fieldUnits(size) - std::min(fieldUnits(size), unitCount(dst, used));
  size_t count = strlen(src);
  size_t n = safeCut(src, count, room);
  memmove(dst + used, src, n);
  dst[used + n] = '\0';
  return n == count;
}

void cutText(std::string* text, size_t maxUnits) {
  if (text->size() > maxUnits) text->resize(safeCut(text->c_str(), text->size(), maxUnits));
}

const char* findTextI(const char* text, const char* needle) {
  if (!needle[0]) return nullptr;
  // Only places whose first byte folds as the needle's does can match:
  // the rest are passed over without comparing further.
  char first = foldAscii(needle[0]);
  for (const char* p = text; *p; p += charLength(p))
    if (foldAscii(*p) == first && matchesAt(p, needle)) return p;
  return nullptr;
}

size_t findTextI(const std::string& text, const char* needle, size_t from) {
  if (from > text.size()) return std::string::npos;
  // Walk from the start so that 'from' never lands inside a character.
  const char* base = text.c_str();
  size_t pos = 0;
  while (pos < from && base[pos]) pos += charLength(base + pos);
  const char* hit = findTextI(base + pos, needle);
  return hit ? static_cast<size_t>(hit - base) : std::string::npos;
}

namespace {

// StrCmpNIA(text, key, n) == 0.
bool keyMatches(const char* text, const char* key, int n) {
  const char* a = text;
  const char* b = key;
  while (a - text < n) {
    if (*a == '\0' || *b == '\0') return *a == *b;
    // A double-byte character that straddles the count is compared whole.
    if (!sameCharI(&a, &b)) return false;
  }
  return true;
}

}  // namespace

bool beginsWithKey(const char* text, const char* key) {
  return keyMatches(text, key, static_cast<int>(strlen(key)));
}

bool insideQuotes(const std::string& text, size_t pos) {
  size_t quotes = 0;
  for (size_t i = 0; i < pos && i < text.size(); ++i) quotes += text[i] == '"';
  return quotes % 2 == 1;
}

bool equalsI(const char* a, const char* b) {
  return keyMatches(a, b, static_cast<int>(strlen(a)) + 1);
}

int textToInt(const char* text) {
  bool negative = false;
  if (*text == '-') {
    negative = true;
    ++text;
  }
  long long value = 0;
  for (; *text >= '0' && *text <= '9'; ++text)
    if (value < 0x7fffffff) value = value * 10 + (*text - '0');
  if (value > 0x7fffffff) value = 0x7fffffff;
  return static_cast<int>(negative ? -value : value);
}

bool endsWithBackslash(const char* path) {
  if (!path[0]) return false;
  return path[lastCharOffset(path)] == '\\';
}

bool addBackslash(char* path, size_t size) {
  if (endsWithBackslash(path)) return true;
  size_t n = strlen(path);
  if (n + 2 > size) return false;
  path[n] = '\\';
  path[n + 1] = '\0';
  return true;
}

void addBackslash(std::string* path) {
  if (!endsWithBackslash(path->c_str())) path->push_back('\\');
}

void removeTrailingBackslash(char* path) {
  if (endsWithBackslash(path)) path[strlen(path) - 1] = '\0';
}

void normaliseFolder(char* path, size_t size) {
  addBackslash(path, size);
  // "\" (the current drive's root) stays: removing it would leave no path.
  if (strcmp(path, "\\") != 0) removeTrailingBackslash(path);
}

namespace {

// A bare drive designator such as "C:".
bool isBareDrive(const char* path) {
  return path[0] && path[1] == ':' && path[2] == '\0';
}

}  // namespace

std::string withDriveRoot(const char* path) {
  return isBareDrive(path) ? std::string(path) + '\\' : std::string(path);
}

std::string quoteSpaces(const char* path) {
  if (!strchr(path, ' ') || path[0] == '"') return path;
  return std::string("\"") + path + "\"";
}

void unquoteSpaces(char* path) {
  size_t n = strlen(path);
  if (n >= 2 && path[0] == '"' && path[n - 1] == '"') {
    memmove(path, path + 1, n - 2);
    path[n - 2] = '\0';
  }
}

void removeBlanks(char* text) {
  size_t start = 0;
  while (text[start] == ' ') ++start;
  size_t n = strlen(text + start);
  memmove(text, text + start, n + 1);
  while (n > 0 && text[n - 1] == ' ') text[--n] = '\0';
}

PathParts splitPath(const char* path) {
  PathParts parts;
  const char* p = path;
  if (p[0] && p[1] == ':') {
    parts.drive.assign(p, 2);
    p += 2;
  }
  const char* lastSlash = nullptr;
  const char* lastDot = nullptr;
  for (const char* q = p; *q; q += charLength(q)) {
    if (*q == '\\' || *q == '/') {
      lastSlash = q;
      lastDot = nullptr;
    } else if (*q == '.') {
      lastDot = q;
    }
  }
  const char* nameStart = lastSlash ? lastSlash + 1 : p;
  parts.folder.assign(p, static_cast<size_t>(nameStart - p));
  const char* end = p + strlen(p);
  const char* nameEnd = lastDot ? lastDot : end;
  parts.name.assign(nameStart, static_cast<size_t>(nameEnd - nameStart));
  parts.ext.assign(nameEnd, static_cast<size_t>(end - nameEnd));
  return parts;
}

std::string fileNameOf(const char* path) {
  PathParts parts = splitPath(path);
  return parts.name + parts.ext;
}

void replaceAllI(std::string* text, const char* pattern,
                 const std::string& replacement, size_t limit) {
  size_t patternLength = strlen(pattern);
  if (patternLength == 0) return;
  bool selfContaining =
      findTextI(replacement.c_str(), pattern) != nullptr;
  size_t from = 0;
  // A text of limit bytes holds at most limit occurrences of its own; more
  // rounds can only come from replacements feeding each other.
  for (size_t round = 0; round <= limit; ++round) {
    size_t pos = findTextI(*text, pattern, from);
    if (pos == std::string::npos) return;
    text->replace(pos, patternLength, replacement);
    cutText(text, limit);
    from = selfContaining ? pos + replacement.size() : 0;
  }
}

unsigned markedUnit(const char* p) {
  unsigned unit = 0;
  for (int k = 1; k <= 4; ++k) unit = unit * 16 + static_cast<unsigned>(hexDigit(p[k]));
  return unit;
}
