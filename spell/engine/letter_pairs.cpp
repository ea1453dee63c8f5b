#include "spell/engine/letter_pairs.h"

#include <cmath>
#include <string>

#include "spell/engine/ansi_text.h"
#include "spell/engine/main_dictionary.h"

namespace tq::spell {

namespace {

size_t Letter(char c) { return static_cast<uint8_t>(AnsiLowerChar(c)); }

}  // namespace

TLetterPairs::TLetterPairs(TMainDictionary& dictionary) {
  for (int c = 1; c < 256; ++c)
    dictionary.EnumeratePrefixWords(std::string(1, static_cast<char>(c)), [this](std::string_view w) {
      Count(w);
      return false;
    });
}

void TLetterPairs::Count(std::string_view word) {
  size_t before = kEdge;
  for (char c : word) {
    ++(*counts_)[before * 256 + Letter(c)];
    before = Letter(c);
  }
  ++(*counts_)[before * 256 + kEdge];
}

double TLetterPairs::Likelihood(std::string_view word) const {
  double sum = 0;
  size_t before = kEdge;
  for (char c : word) {
    sum += std::log1p((*counts_)[before * 256 + Letter(c)]);
    before = Letter(c);
  }
  sum += std::log1p((*counts_)[before * 256 + kEdge]);
  return sum / static_cast<double>(word.size() + 1);
}

}  // namespace tq::spell
