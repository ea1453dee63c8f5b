// Conversion of UTF-16 (the text of the wide Win32 functions and of titles
// stored in dictionary files) to and from UTF-8 (the program's own text) and
// Windows-1252 (the text of reply libraries and dictionaries).
#pragma once

#include <string>
#include <string_view>

namespace tq::platform {

// UTF-16 to Windows-1252. A character Windows-1252 cannot hold, and a lone
// surrogate, becomes replacement.
std::string Utf16ToCp1252(std::u16string_view text, char replacement = '?');

// Windows-1252 to UTF-16; every byte has a character.
std::u16string Cp1252ToUtf16(std::string_view text);

// UTF-8 to UTF-16. A byte that does not begin or continue a well-formed
// sequence (and an encoded surrogate) becomes U+FFFD, one per byte.
std::u16string Utf8ToUtf16(std::string_view text);

// UTF-16 to UTF-8. A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

// Where offset (in UTF-16 units) of the UTF-16 form of text falls in text,
// in bytes; an offset inside a character counts from that character's start,
// one past the end gives text.size(). And the other way round.
size_t Utf8OffsetOf(std::string_view text, size_t utf16_offset);
size_t Utf16OffsetOf(std::string_view text, size_t utf8_offset);

#ifdef _WIN32
// The wide functions' text (wchar_t is UTF-16 on Windows).
inline std::wstring Wide(std::string_view utf8) {
  std::u16string w = Utf8ToUtf16(utf8);
  return std::wstring(w.begin(), w.end());
}
inline std::string Utf8(std::wstring_view wide) {
  return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
}
#endif

}  // namespace tq::platform
