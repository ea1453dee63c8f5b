// The order in which Windows' lstrcmpA puts two texts under the English
// (United States) locale with the Windows-1252 code page, reproduced without
// Windows. The reply tree and the popup menu are sorted this way, so the
// order is the same on every platform and in the command-line tool.
//
// The order is Windows' "word sort", decided level by level:
//   1. letters, digits and symbols by their base character, letter case and
//      accents aside (punctuation < digits < letters; "ae" == "æ",
//      "ss" == "ß"); hyphens, apostrophes, dashes and control characters
//      take no part at this level, and the soft hyphen none at all;
//   2. accents, position by position ("cote" < "coté" < "côte");
//   3. letter case, position by position, lower case first ("a" < "A");
//   4. the hyphens, apostrophes, dashes and control characters left out at
//      level 1 ("coop" < "co-op").
// A text ends at its first zero byte, as the C strings given to lstrcmpA do.
//
// Texts are UTF-8; a byte that is not part of a UTF-8 character weighs as
// its Windows-1252 character. Characters the code page lacks sort as
// CompareStringW roughly does: Latin letters with marks (U+0100-U+024F) as
// their base letter with the mark at level 2, then Greek and Cyrillic
// letters after all Latin ones in alphabet order (case at level 3), and any
// other character after those, by code point.
#pragma once

#include <string>
#include <string_view>

namespace tq::app {

// Negative, zero or positive as a sorts before, with or after b.
int CompareWindowsText(std::string_view a, std::string_view b);

// The bytes whose plain byte order is CompareWindowsText's order: equal keys
// for texts that compare equal.
std::string WindowsTextSortKey(std::string_view text);

// A "less than" for std::sort and the like.
struct WindowsTextLess {
  bool operator()(std::string_view a, std::string_view b) const { return CompareWindowsText(a, b) < 0; }
};

}  // namespace tq::app
