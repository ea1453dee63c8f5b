// The main dictionary compiler: builds an ".adm" file image from a list of
// words. The words go into a character tree whose single-child runs are
// packed into chain nodes (a word never ends inside a chain), nodes are
// grouped into the nine tables by size, and child lists go to the linkage
// area; see spell/engine/main_dictionary_format.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "spell/engine/main_dictionary_format.h"

namespace tq::spell {

struct TCompileOptions {
  std::string title;      // UTF-8, at most 255 UTF-16 units
  uint32_t language = 0;  // Windows language identifier
  // Pads the node tables to the size from which child numbers take the
  // 2/3-byte form, so a small dictionary can be written in that form too.
  bool wideChildNumbers = false;
};

struct TCompileStats {
  uint32_t words = 0;
  uint32_t nodes = 0;
  std::array<uint32_t, adm::kNodeTableCount> tableSizes{};
  uint32_t linkageBytes = 0;
  bool wideChildNumbers = false;
  size_t fileBytes = 0;
};

// words: Windows-1252, any order, repeats and empty words allowed (they are
// dropped). false with *error when the words do not fit the format.
bool CompileMainDictionary(std::vector<std::string> words, const TCompileOptions& options, std::string* image,
                           TCompileStats* stats, std::string* error);

}  // namespace tq::spell
