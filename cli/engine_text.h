// A UTF-8 text as the spelling engine sees it. The engine holds Windows-1252;
// each run of word characters that holds a character Windows-1252 cannot
// (with the symbols among them, an arrow, an emoji) is stood in for by one
// placeholder byte, a control character the engine takes for a separator.
// Such words are skipped, never cut or changed, and come back as they were
// when the engine's text is turned back into UTF-8. Positions in the
// engine's text map back to characters of the UTF-8 text, for columns and
// offsets that count characters.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tq::cli {

struct EngineText {
  std::string ansi;                // what the engine checks
  std::vector<size_t> characters;  // per byte of ansi, and one past its end: the character index in the UTF-8 text
  std::vector<std::string> held;   // the UTF-8 of each placeholder, in order
  char placeholder = '\0';
};

// False when utf8 is not valid UTF-8, or uses every possible placeholder.
bool ToEngineText(const std::string& utf8, EngineText* text);

// The engine's (possibly changed) text as UTF-8 with the held runs put back.
// False when the placeholders no longer match those handed out.
bool FromEngineText(const std::string& ansi, const EngineText& text, std::string* utf8);

// Part of the engine's text as UTF-8, its placeholders shown as what they
// hold; firstHeld: how many placeholders come before the part.
std::string PartToUtf8(const std::string& ansiPart, const EngineText& text, size_t firstHeld);

// Windows-1252 text taken as it is (a file that is not UTF-8): every byte is
// a character.
EngineText AnsiEngineText(const std::string& ansi);

}  // namespace tq::cli
