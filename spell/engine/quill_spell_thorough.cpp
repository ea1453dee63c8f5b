// Thorough suggestions, for those who turn them on: words two edits away
// when the slips found few, ties broken by how the words sound, where the
// keys lie and how usual their letter pairs are, split words after single
// words, and the misspelt word's letter case kept.
#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "spell/engine/quill_spell_base.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/edit_distance.h"
#include "spell/engine/letter_pairs.h"

namespace tq::spell {

namespace {

// Fewer one-edit suggestions than this and the walk looks two edits away:
// only when there is none, which keeps the time near the specified ranking's
// (on our misspellings, waiting for fewer than 3 gains 1.6 points of top-5
// for 30 % more time).
constexpr int kFewOneEdit = 1;

// Where a letter lies on a QWERTY keyboard: row, and column in quarter keys.
bool KeyPlace(char c, int* row, int* column) {
  static const char* const kRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};
  static const int kShift[] = {0, 1, 3};  // each row starts a little further right
  const char lower = AnsiLowerChar(c);
  for (int r = 0; r < 3; ++r)
    for (const char* p = kRows[r]; *p; ++p)
      if (*p == lower) {
        *row = r;
        *column = static_cast<int>(p - kRows[r]) * 4 + kShift[r];
        return true;
      }
  return false;
}

bool KeysAdjacent(char a, char b) {
  int ra = 0, ca = 0, rb = 0, cb = 0;
  if (AnsiLowerChar(a) == AnsiLowerChar(b) || !KeyPlace(a, &ra, &ca) || !KeyPlace(b, &rb, &cb)) return false;
  return std::abs(ra - rb) <= 1 && std::abs(ca - cb) <= 4;
}

// How likely what tells the two apart is a finger's slip: 2 for two
// neighbouring letters typed in the wrong order, the commonest; 1 for a
// wrong letter next to the right one on the keyboard, or an extra letter
// next to the one before or after it; else 0.
int KeyboardSlip(const std::string& typed, const std::string& meant) {
  if (typed.size() == meant.size()) {
    size_t differ = 0, first = 0, last = 0;
    for (size_t i = 0; i < typed.size(); ++i)
      if (AnsiLowerChar(typed[i]) != AnsiLowerChar(meant[i])) {
        if (differ++ == 0) first = i;
        last = i;
      }
    if (differ == 2 && last == first + 1)
      return AnsiLowerChar(typed[first]) == AnsiLowerChar(meant[last]) &&
                     AnsiLowerChar(typed[last]) == AnsiLowerChar(meant[first])
                 ? 2
                 : 0;
    return differ == 1 && KeysAdjacent(typed[first], meant[first]) ? 1 : 0;
  }
  if (typed.size() == meant.size() + 1) {
    size_t i = 0;
    while (i < meant.size() && AnsiLowerChar(typed[i]) == AnsiLowerChar(meant[i])) ++i;
    if (AnsiSameText(typed.substr(i + 1), meant.substr(i))) {
      const bool before = i > 0 && KeysAdjacent(typed[i], typed[i - 1]);
      const bool after = i + 1 < typed.size() && KeysAdjacent(typed[i], typed[i + 1]);
      return before || after ? 1 : 0;
    }
  }
  return 0;
}

bool IsUpper(const std::string& w) { return std::all_of(w.begin(), w.end(), [](char c) { return c == AnsiUpperChar(c); }); }
bool IsLower(const std::string& w) { return std::all_of(w.begin(), w.end(), [](char c) { return c == AnsiLowerChar(c); }); }

// suggestion written in the case of typed: capitals for capitals, a capital
// first letter for one; otherwise as it is.
std::string InCaseOf(const std::string& typed, const std::string& suggestion) {
  const bool letters = AnsiLowerCase(typed) != AnsiUpperCase(typed);
  if (!letters) return suggestion;
  if (typed.size() > 1 && IsUpper(typed)) return AnsiUpperCase(suggestion);
  if (typed[0] != AnsiLowerChar(typed[0]) && IsLower(typed.substr(1)) && !suggestion.empty()) {
    std::string out = suggestion;
    out[0] = AnsiUpperChar(out[0]);
    return out;
  }
  return suggestion;
}

}  // namespace

void TQuillSpellBase::ThoroughRank(const std::string& word, std::vector<std::string>& work,
                                   std::vector<int>& distance) {
  const auto weigh = [&](const std::string& entry, int d) {
    if (!learningDictionary_) return d;
    return learningDictionary_->IgnoreExists(entry) ? 2 * d - 1 : 2 * d;
  };
  // Two edits away, walked in the first main dictionary's tree.
  int oneEdit = 0;
  for (const std::string& entry : work) oneEdit += GetEditDistance(word, entry) <= 1;
  if (oneEdit < kFewOneEdit && !mainDictionaries_.empty() && word.size() < TMainDictionary::kNearWordLimit) {
    const bool lower = IsLower(word);
    std::vector<std::string> near;
    mainDictionaries_.front()->NearWords(word, 2, [&](std::string_view w) {
      if (near.size() < TMainDictionary::kMaxSuggestList) near.emplace_back(w);
    });
    for (const std::string& candidate : near) {
      if (std::find(work.begin(), work.end(), candidate) != work.end()) continue;
      // As the slips do: a lower-case word is offered the lower-case form.
      if (lower && !IsLower(candidate) && WordExists(AnsiLowerCase(candidate))) continue;
      if (!Offerable(candidate)) continue;
      work.push_back(candidate);
      // Measured as it will be shown, in the typed word's case.
      distance.push_back(weigh(candidate, GetEditDistance(word, InCaseOf(word, candidate))));
    }
  }

  // Ties: single words before split ones, then sound, keys, letter pairs.
  TMainDictionary* first = mainDictionaries_.empty() ? nullptr : mainDictionaries_.front().get();
  if (first && (!letterPairs_ || letterPairsFor_ != first->ReadFilename())) {
    letterPairs_ = std::make_unique<TLetterPairs>(*first);
    letterPairsFor_ = first->ReadFilename();
  }
  // Sounds compared by the language's own rules, not the coarse ones the
  // sound-alike search may have fallen back to.
  if (first && phoneticsMap_->ReadLanguage() != static_cast<int>(first->ReadLanguage())) {
    phoneticsMap_->WriteLanguage(static_cast<int>(first->ReadLanguage()));
    if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap(this);
  }
  const std::string code = phoneticsMap_->GetMapping(word);
  struct Key {
    int distance, split, sound, keys;
    double pairs;
  };
  std::vector<Key> keys(work.size());
  for (size_t i = 0; i < work.size(); ++i) {
    const std::string& entry = work[i];
    const std::string entryCode = phoneticsMap_->GetMapping(entry);
    keys[i] = {distance[i], entry.find(' ') != std::string::npos ? 1 : 0,
               entryCode == code ? 2 : (GetEditDistance(entryCode, code) <= 1 ? 1 : 0), KeyboardSlip(word, entry),
               letterPairs_ ? letterPairs_->Likelihood(entry) : 0.0};
  }
  std::vector<size_t> order(work.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const Key &x = keys[a], &y = keys[b];
    if (x.distance != y.distance) return x.distance < y.distance;
    if (x.split != y.split) return x.split < y.split;
    if (x.sound != y.sound) return x.sound > y.sound;
    if (x.keys != y.keys) return x.keys > y.keys;
    return x.pairs > y.pairs;
  });

  // In the typed word's case, each suggestion once.
  std::vector<std::string> ranked;
  std::vector<int> rankedDistance;
  for (size_t i : order) {
    std::string shaped = InCaseOf(word, work[i]);
    if (std::find(ranked.begin(), ranked.end(), shaped) != ranked.end()) continue;
    ranked.push_back(std::move(shaped));
    rankedDistance.push_back(distance[i]);
  }
  work = std::move(ranked);
  distance = std::move(rankedDistance);
}

}  // namespace tq::spell
