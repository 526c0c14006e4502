// The encodings a configuration file may be saved in, told apart by its
// bytes, and its text in the program's ANSI code page.
#pragma once

#include <string>

enum TextEncoding {
  kEncodingAnsi,
  kEncodingUtf8,     // no byte-order mark
  kEncodingUtf8Bom,
  kEncodingUtf16Le,  // with its byte-order mark
  kEncodingUtf16Be,
};

// Decided once from the whole file: a byte-order mark names the encoding;
// without one, text that is valid UTF-8 throughout and holds at least one
// multi-byte sequence is UTF-8; anything else is the ANSI code page.
TextEncoding detectTextEncoding(const std::string& bytes);
const char* encodingName(TextEncoding encoding);

// Stands in the UTF-16 text for input that is not valid in its encoding
// (an invalid UTF-8 sequence, an odd last byte, a lone surrogate).
const char16_t kUnreadableUnit = 0xFFFF;

// The UTF-16 text after the byte-order mark.
std::u16string utf16FromBytes(const std::string& bytes, TextEncoding encoding);

// A line the conversion could not read starts with this byte; the rest of
// the line is what could be read of it.
const char kUnreadableLine = '\x02';

// The file's text as the reader takes it: ANSI bytes as they are, UTF-8 and
// UTF-16 converted through the platform without best fit, so a character
// the code page cannot hold arrives marked (kUnheldMark). The encoding found
// goes to *detected when asked for.
std::string ansiFromFileBytes(const std::string& bytes, TextEncoding* detected = nullptr);

// UTF-8 bytes of UTF-16 text; a lone surrogate becomes U+FFFD.
std::string utf8FromUtf16(const std::u16string& text);
