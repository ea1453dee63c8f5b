// The text of a window (UTF-16) as the engine reads it: one byte per UTF-16
// unit, so that a position in the engine's text is the same position in the
// window. A unit Windows-1252 holds is its byte; any other unit (each half
// of a surrogate pair, a combining mark, Cyrillic, CJK) is kForeignUnit, which
// the word cutter takes for a letter. A word holding it is left alone: never
// flagged, changed, offered suggestions or added to a dictionary.
#pragma once

#include <string>
#include <string_view>

namespace tq::spell {

// Undefined in Windows-1252, so no character the engine can hold is mistaken
// for it (U+0081, which Windows maps to this byte, is a foreign unit too).
inline constexpr char kForeignUnit = '\x81';

inline bool HoldsForeignUnit(std::string_view word) { return word.find(kForeignUnit) != std::string_view::npos; }

// The engine byte of one UTF-16 unit.
char EngineByteOfUnit(char16_t unit);
std::string EngineTextOfUtf16(std::u16string_view text);
// UTF-8 (the program's text) through its UTF-16 form: one byte per unit.
std::string EngineTextOfUtf8(std::string_view text);

// Engine text (Windows-1252) for a window; a foreign unit becomes U+FFFD.
std::u16string Utf16OfEngineText(std::string_view text);
// Engine text for the program's windows and messages, as UTF-8.
std::string Utf8OfEngineText(std::string_view text);

// The program's text for the engine: false when it holds a character
// Windows-1252 cannot (the dictionaries could not hold it either).
bool EngineTextOfUtf8Exact(std::string_view text, std::string* engine);

}  // namespace tq::spell
