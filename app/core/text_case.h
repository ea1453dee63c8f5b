// Letter case of UTF-8 text, for finding replies and matching names without
// regard to case. A simple table of case pairs: ASCII, Latin-1 (À-Þ but not
// ×), Latin Extended-A (Ÿ to ÿ; İ stays, its lower case is shorter),
// Romanian Ș Ț, Greek (with the accented capitals, and final ς folded to σ
// so that words match wherever they stand) and Cyrillic (U+0400-U+052F).
// Other characters, and bytes that are not UTF-8, stay as they are, so the
// lower-case text has the same length and the same character offsets.
#pragma once

#include <string>
#include <string_view>

namespace tq::app {

std::string LowerCase(std::string_view utf8);
// Same characters when letter case is ignored.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tq::app
