// Bounded ANSI text helpers: the shell path and string functions the program
// relies on (StrStrIA, StrCmpNIA, StrToIntA, PathAddBackslashA, ...), written
// portably. Scanning steps over double-byte and marked characters, so a
// trail byte is never taken for a backslash and a mark is never cut;
// comparisons that ignore case fold ASCII letters and marked letters
// (foldUnit) and compare a double-byte character exactly, as a unit.
#pragma once

#include <cstddef>
#include <string>

#include "platform/platform.h"

// Bytes of the character at p: 2 for a complete double-byte character, 2 to
// 4 for a complete UTF-8 one (code page 65001), 5 for a marked one
// (kUnheldMark and four hex digits), so none is cut.
size_t nextCharLength(const char* p);

// Lengths are Windows' own: UTF-16 units, whatever the script and the code
// page. A field of size bytes (n * kBytesPerUnit) holds n - 1 of them.
constexpr size_t fieldUnits(size_t size) {
  return size < kBytesPerUnit ? 0 : size / kBytesPerUnit - 1;
}
// The UTF-16 units of a text: one a character, two for a UTF-8 sequence
// of four bytes (a surrogate pair); a marked character is one.
size_t unitCount(const char* text, size_t length);
size_t unitCount(const std::string& text);
// The text holds at most maxUnits units. No character takes less than a
// byte a unit, so a text of that many bytes or fewer fits without a count.
inline bool fitsUnits(const std::string& text, size_t maxUnits) {
  return text.size() <= maxUnits || unitCount(text) <= maxUnits;
}
// The text fits a field of size bytes.
inline bool fitsField(const std::string& text, size_t size) {
  return fitsUnits(text, fieldUnits(size));
}

// Copies src into the field dst[size], cut to its units at a character's
// boundary. Returns false when src had to be cut: for a text shown (a
// caption) the cut is harmless; a name is never cut (copyWholeWord).
bool copyText(char* dst, size_t size, const char* src);
bool copyTextN(char* dst, size_t size, const char* src, size_t count);
bool appendText(char* dst, size_t size, const char* src);
// The one rule of every scan that takes a word (an argument, a name of a
// clipboard list or text, a value of a configuration line) into a field: a
// word is taken whole or not at all, as a prefix of a name names another
// file. False, and dst empty, when src does not fit.
bool copyWholeWord(char* dst, size_t size, const char* src);

// Cuts a text to at most maxUnits UTF-16 units at a character's boundary.
void cutText(std::string* text, size_t maxUnits);

// StrStrIA: first occurrence of needle at a character boundary, ignoring
// ASCII case; null when absent or needle is empty.
const char* findTextI(const char* text, const char* needle);
// The same over a std::string from a byte offset; npos when absent.
size_t findTextI(const std::string& text, const char* needle, size_t from);

// Whether the byte at pos lies inside a span the text quotes itself: an odd
// number of double quotes before it (no character's trail byte is one).
bool insideQuotes(const std::string& text, size_t pos);

bool equalsI(const char* a, const char* b);
// A-Z as a-z; every other byte as it is.
char foldAscii(char c);
// A UTF-16 capital of ASCII, Latin-1, Latin Extended-A, Greek or Cyrillic
// as its small letter; every other unit as it is. Marked characters compare
// by it, and so do names decoded to UTF-16.
unsigned foldUnit(unsigned unit);
// The UTF-16 unit of the marked character at p (nextCharLength(p) == 5).
unsigned markedUnit(const char* p);
// The text begins with key, ignoring ASCII case.
bool beginsWithKey(const char* text, const char* key);
// StrToIntA: optional minus, decimal digits, 0 when none.
int textToInt(const char* text);

bool endsWithBackslash(const char* path);
// PathAddBackslashA: false when there is no room for it.
bool addBackslash(char* path, size_t size);
void addBackslash(std::string* path);
// Removes one trailing backslash, if the path ends in one.
void removeTrailingBackslash(char* path);
// Folders are stored without a trailing backslash; D:\ becomes D:.
void normaliseFolder(char* path, size_t size);
// A stored bare drive is its root: "C:" alone means the drive's current
// folder to the shell and the browser, so it is spelled "C:\".
std::string withDriveRoot(const char* path);

// PathQuoteSpacesA / PathUnquoteSpacesA / PathRemoveBlanksA.
std::string quoteSpaces(const char* path);
void unquoteSpaces(char* path);
void removeBlanks(char* text);

// The runtime's path splitter: drive ("C:" or empty), folder (up to and
// including the last backslash or slash), name, extension (from the last dot
// of the last component).
struct PathParts {
  std::string drive, folder, name, ext;
};
PathParts splitPath(const char* path);
// The last component with its extension ("a.txt" for C:\x\a.txt).
std::string fileNameOf(const char* path);

// Replaces every occurrence of pattern (ignoring case) by replacement within
// limit bytes. Each search restarts at the beginning, so text a replacement
// forms with its neighbours is found too; a replacement that contains the
// pattern resumes behind itself instead, and the number of rounds is bounded,
// so no text can make it loop.
void replaceAllI(std::string* text, const char* pattern,
                 const std::string& replacement, size_t limit);
