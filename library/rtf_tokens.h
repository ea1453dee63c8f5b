// Reading RTF as its tokens: groups, control words, control symbols, \'hh
// bytes and text characters. The readers of a reply's RTF (its plain text,
// its HTML) share this one way of cutting it up, so they agree on what is
// text and what is markup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tq::library {

struct RtfToken {
  enum class Kind {
    GroupStart,  // {
    GroupEnd,    // }
    Word,        // \word or \wordN (a delimiting space belongs to the word)
    Symbol,      // \ and a character that is no letter: \~ \_ \- \* ...; a \' without two hex digits is '\''
    Byte,        // \'hh
    Text,        // one character of the RTF's text: a UTF-8 sequence (or a stray byte), or \\ \{ \}
  };
  Kind kind = Kind::Text;
  std::string_view text;  // Word: its name; Symbol: the character after the backslash; Text: the character
  long value = 0;         // Word: its parameter (kept within +-1000000); Byte: the byte
  bool hasValue = false;  // Word: a parameter was given
};

// Cuts `rtf` into tokens. Line breaks in the RTF source mean nothing and give
// none; a backslash at the very end gives none. Damaged RTF gives what could
// be read, never an error.
class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view rtf) : rtf_(rtf) {}
  // The next token; false at the end of the RTF.
  bool Next(RtfToken* token);

 private:
  std::string_view rtf_;
  size_t pos_ = 0;
};

// A byte of a single-byte code page as UTF-8. 1251 and 1253 are known; any
// other code page reads as 1252, the one the program's own RTF names. Bytes a
// code page has no character for give U+FFFD.
std::string RtfCodePageChar(long codePage, unsigned char byte);

// The code page of a font's \fcharsetN, or 0 when it names none of its own
// (ANSI and default: the document's \ansicpg applies).
long RtfCharsetCodePage(long charset);

}  // namespace tq::library
