// TLetterPairs: how often each pair of neighbouring letters occurs in the
// words of a main dictionary, to tell a likely spelling from an unlikely one
// when two suggestions are otherwise alike. Counted once, on first use, by
// walking the whole dictionary.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

namespace tq::spell {

class TMainDictionary;

class TLetterPairs {
 public:
  explicit TLetterPairs(TMainDictionary& dictionary);

  // The mean logarithm of the counts of word's letter pairs (lower case,
  // the word's start and end counting as letters): higher is more usual.
  double Likelihood(std::string_view word) const;

 private:
  static constexpr size_t kEdge = 0;  // the byte standing for the start and the end of a word
  void Count(std::string_view word);

  std::unique_ptr<std::array<uint32_t, 256 * 256>> counts_ = std::make_unique<std::array<uint32_t, 256 * 256>>();
};

}  // namespace tq::spell
