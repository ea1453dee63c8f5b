// Word lists as the dictionary compiler reads them: UTF-8 text, one word per
// line, converted to the system's Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tq::tools {

struct TWordList {
  std::vector<std::string> words;  // Windows-1252, in file order
  size_t skipped = 0;              // lines Windows-1252 cannot hold (or not UTF-8)
  std::string firstSkipped;        // the first of them, as it was written
};

// Blank lines are ignored; a CR before the line end is dropped.
TWordList ReadUtf8WordList(std::string_view text);

}  // namespace tq::tools
