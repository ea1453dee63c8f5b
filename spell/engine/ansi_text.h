// Letter case of the system's single-byte text (Windows-1252), as the
// engine compares and folds words: ASCII letters, the accented letters of
// 0xC0-0xFE and the few letters of 0x80-0x9F.
#pragma once

#include <string>
#include <string_view>

namespace tq::spell {

char AnsiLowerChar(char ch);
char AnsiUpperChar(char ch);
std::string AnsiLowerCase(std::string_view text);
std::string AnsiUpperCase(std::string_view text);
// Equal when folded to lower case.
bool AnsiSameText(std::string_view a, std::string_view b);

}  // namespace tq::spell
