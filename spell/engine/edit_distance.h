// The edit distance the suggestions are ranked by: Levenshtein over bytes,
// with a swap of two neighbouring characters counted as one edit.
#pragma once

#include <string_view>

namespace tq::spell {

// Texts longer than 254 bytes answer the larger length.
int GetEditDistance(std::string_view a, std::string_view b);

}  // namespace tq::spell
