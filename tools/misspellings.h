// Misspellings made from a word list for measuring and pinning down the
// suggestions: one or two slips (a missing, extra, wrong or swapped letter)
// in every 31st word, some then capitalised or written in capitals, with a
// fixed seed. rng() is used directly, so the list is the same with every
// standard library.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "spell/engine/ansi_text.h"

namespace tq::tools {

struct TMisspelling {
  std::string typed;  // Windows-1252
  std::string meant;  // the word it was made from
};

inline std::string Misspell(std::string word, std::mt19937& rng) {
  const int slips = rng() % 10 < 7 ? 1 : 2;
  for (int s = 0; s < slips && word.size() >= 2; ++s) {
    const size_t at = rng() % word.size();
    const char letter = static_cast<char>('a' + rng() % 26);
    switch (rng() % 4) {
      case 0:
        word.erase(at, 1);
        break;
      case 1:
        word.insert(at, 1, letter);
        break;
      case 2:
        word[at] = letter;
        break;
      default:
        if (at + 1 < word.size()) std::swap(word[at], word[at + 1]);
        break;
    }
  }
  switch (rng() % 20) {
    case 0:
    case 1:
      word[0] = spell::AnsiUpperChar(word[0]);
      break;
    case 2:
      word = spell::AnsiUpperCase(word);
      break;
    default:
      break;
  }
  return word;
}

// The misspellings of words (in list order) that acceptable refuses.
inline std::vector<TMisspelling> MakeMisspellings(const std::vector<std::string>& words,
                                                  const std::function<bool(const std::string&)>& acceptable) {
  std::mt19937 rng(15);
  std::vector<TMisspelling> out;
  for (size_t i = 0; i < words.size(); i += 31) {
    std::string typed = Misspell(words[i], rng);
    if (typed == words[i] || typed.size() < 2 || acceptable(typed)) continue;
    out.push_back({std::move(typed), words[i]});
  }
  return out;
}

}  // namespace tq::tools
