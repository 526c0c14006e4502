#include "platform/win32/wide_text_win32.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "platform/platform.h"

namespace {

const char kHex[] = "0123456789ABCDEF";

void appendMark(std::string* out, wchar_t unit) {
  out->push_back(kUnheldMark);
  for (int shift = 12; shift >= 0; shift -= 4)
    out->push_back(kHex[(unit >> shift) & 0xF]);
}

// The ANSI bytes of text[0..length) when the code page holds all of it
// exactly; false otherwise. UTF-8 as the ANSI code page refuses the
// no-best-fit flag; it is asked to fail on a lone surrogate instead, which
// it would otherwise write as U+FFFD, so the name comes back as itself.
bool convertExactly(const wchar_t* text, int length, std::string* out) {
  UINT codePage = GetACP();
  DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
  int size = WideCharToMultiByte(codePage, flags, text, length, nullptr, 0,
                                 nullptr, usedDefaultOut);
  if (size <= 0 || usedDefault) return false;
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, flags, text, length, &bytes[0], size, nullptr,
                      usedDefaultOut);
  if (usedDefault) return false;
  out->append(bytes);
  return true;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Converts text[0..length), which did not convert whole: halves convert
// on their own where they can, so a long text with one character the code
// page cannot hold costs a few calls per such character, not two per
// character. A single character (a surrogate pair is one) that does not
// convert, or a NUL, is marked.
void appendPartly(const wchar_t* text, size_t length, std::string* out) {
  bool pair = length == 2 && IS_HIGH_SURROGATE(text[0]) && IS_LOW_SURROGATE(text[1]);
  if (length == 1 || pair) {
    // The mark's own byte stands for no character: U+0001 is marked too.
    if (text[0] == 0 || text[0] == 1 || !convertExactly(text, static_cast<int>(length), out))
      for (size_t k = 0; k < length; ++k) appendMark(out, text[k]);
    return;
  }
  size_t half = length / 2;
  if (IS_LOW_SURROGATE(text[half]) && IS_HIGH_SURROGATE(text[half - 1])) --half;
  if (half == 0) half = 2;  // a pair followed by more
  for (const auto& part :
       {std::make_pair(text, half), std::make_pair(text + half, length - half)}) {
    bool hasNul = wmemchr(part.first, 0, part.second) || wmemchr(part.first, 1, part.second);
    if (hasNul || !convertExactly(part.first, static_cast<int>(part.second), out))
      appendPartly(part.first, part.second, out);
  }
}

}  // namespace

std::string markedFromWide(const wchar_t* text, size_t length) {
  std::string out;
  if (length == 0) return out;
  if (wmemchr(text, 1, length) || !convertExactly(text, static_cast<int>(length), &out))
    appendPartly(text, length, &out);
  return out;
}

std::string markedFromWide(const wchar_t* text) {
  return markedFromWide(text, wcslen(text));
}

std::wstring wideFromMarked(const std::string& text) {
  std::wstring out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t mark = text.find(kUnheldMark, pos);
    size_t end = mark == std::string::npos ? text.size() : mark;
    out += wideFromCodePage(text.data() + pos, end - pos, CP_ACP);
    if (mark == std::string::npos) break;
    int unit = 0, digits = 0;
    for (; digits < 4 && mark + 1 + digits < text.size(); ++digits) {
      int v = hexValue(text[mark + 1 + digits]);
      if (v < 0) break;
      unit = unit * 16 + v;
    }
    // A mark cut short names nothing: U+0001 is in no file name, where a
    // guess such as '?' would be a wildcard.
    out.push_back(digits == 4 ? static_cast<wchar_t>(unit) : L'\x0001');
    pos = mark + 1 + digits;
  }
  return out;
}

std::wstring wideFromCodePage(const char* bytes, size_t length,
                              unsigned codePage) {
  if (length == 0) return std::wstring();
  // Where the ANSI code page is UTF-8, a byte that is no part of a valid
  // sequence would become U+FFFD, a real character a file can hold: such a
  // text names nothing instead (U+0001, like a mark cut short).
  bool utf8 = codePage == CP_UTF8 || (codePage == CP_ACP && GetACP() == CP_UTF8);
  DWORD flags = utf8 ? MB_ERR_INVALID_CHARS : 0;
  int n = MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(length), nullptr, 0);
  if (n <= 0) return utf8 ? std::wstring(1, L'\x0001') : std::wstring();
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(length), &out[0], n);
  return out;
}
