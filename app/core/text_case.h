// Letter case of Windows-1252 text as Windows' CharLowerA gives it under the
// English locale: A-Z, the accented capitals À-Þ (but not ×), Š, Œ, Ž and Ÿ
// have lower-case partners; every other byte stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace tq::app {

std::string LowerCase1252(std::string_view text);
// Same characters when letter case is ignored.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tq::app
