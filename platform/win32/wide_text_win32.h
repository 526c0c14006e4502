// Between the system's UTF-16 names and the program's ANSI text.
#pragma once

#include <string>

// ANSI text in the system code page. A character the code page cannot hold
// exactly (a best-fit mapping would give another character) becomes
// kUnheldMark and four hex digits of its UTF-16 unit.
std::string markedFromWide(const wchar_t* text, size_t length);
std::string markedFromWide(const wchar_t* text);
// Back to UTF-16: the ANSI parts through the system code page, each mark
// to the character it stands for.
std::wstring wideFromMarked(const std::string& text);
// Bytes of a fixed code page (the program's own CP932 texts).
std::wstring wideFromCodePage(const char* bytes, size_t length,
                              unsigned codePage);
