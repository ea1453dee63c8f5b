// Thorough suggestions, for those who turn them on: ranked by what was most
// likely meant, how likely the misspelling is as a way of typing a word
// (error_model.h) weighed against how common the word is (word_frequencies.h).
// Words two edits away join the slips and sound-alikes, split words come
// after single words of the same rank, at most kThoroughMax are offered, and
// the misspelt word's letter case is kept.
#include <algorithm>
#include <numeric>

#include "spell/engine/ansi_text.h"
#include "spell/engine/edit_distance.h"
#include "spell/engine/error_model.h"
#include "spell/engine/quill_spell_base.h"

namespace tq::spell {

namespace {

// Enough for the word meant to be among them nearly always, few enough to read.
constexpr size_t kThoroughMax = 10;
// How many times commoner a word must be to make up for one plain edit more,
// as a power of two: 2^kBitsPerEdit. Measured on misspellings by sound and by
// slips of the keys: a stronger pull of frequency (2^5 to 2^9) puts the
// common short words before longer ones the misspelling is nearer to.
constexpr double kBitsPerEdit = 12.0;
// The typing cost of a space left out, for a split word.
constexpr double kSpaceCost = 1.4;
// Same sound by the language's rules: what was typed was spelt by ear.
constexpr double kSameSound = 0.3;
// A name offered for a word typed in lower case: seldom what was meant.
constexpr double kCapitalised = 0.4;
// A word the user chose before.
constexpr double kChosenBefore = 0.5;

bool IsUpper(const std::string& w) {
  return std::all_of(w.begin(), w.end(), [](char c) { return c == AnsiUpperChar(c); });
}
bool IsLower(const std::string& w) {
  return std::all_of(w.begin(), w.end(), [](char c) { return c == AnsiLowerChar(c); });
}

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

// log2 of how often a word of frequency class c occurs (the floor: half the
// least frequent word's).
double Bits(int c) { return c == TWordFrequencies::kFloor ? -1.0 : (c - 1) / 8.0; }

}  // namespace

void TQuillSpellBase::ThoroughRank(const std::string& word, std::vector<std::string>& work,
                                   std::vector<int>& distance) {
  const auto weigh = [&](const std::string& entry, int d) {
    if (!learningDictionary_) return d;
    return learningDictionary_->IgnoreExists(entry) ? 2 * d - 1 : 2 * d;
  };
  TMainDictionary* first = mainDictionaries_.empty() ? nullptr : mainDictionaries_.front().get();
  // Two edits away, walked in the first main dictionary's tree, when nothing
  // is one edit away: walking it always finds the word meant 1 % more often
  // for twice the time.
  const bool oneEdit = std::any_of(work.begin(), work.end(),
                                   [&](const std::string& entry) { return GetEditDistance(word, entry) <= 1; });
  if (first && !oneEdit && word.size() < TMainDictionary::kNearWordLimit) {
    const bool lower = IsLower(word);
    std::vector<std::string> near;
    first->NearWords(word, 2, [&](std::string_view w) {
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

  // A one-letter word run into the next ("alot"): the slips split no word
  // there.
  if (word.size() >= 3) {
    const std::string left = word.substr(0, 1), right = word.substr(1);
    const std::string split = left + " " + right;
    if (WordExists(left) && WordExists(right) && Offerable(left) && Offerable(right) &&
        std::find(work.begin(), work.end(), split) == work.end()) {
      work.push_back(split);
      distance.push_back(weigh(split, 1));
    }
  }

  if (first && frequenciesFor_ != first->ReadFilename()) {
    frequencies_ = TWordFrequencies::Read(env(), TWordFrequencies::SideFileOf(first->ReadFilename()));
    frequenciesFor_ = first->ReadFilename();
  }
  // Sounds compared by the language's own rules, not the coarse ones the
  // sound-alike search may have fallen back to.
  if (first && phoneticsMap_->ReadLanguage() != static_cast<int>(first->ReadLanguage())) {
    phoneticsMap_->WriteLanguage(static_cast<int>(first->ReadLanguage()));
    if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap(this);
  }
  const std::string code = phoneticsMap_->GetMapping(word);
  const bool typedLower = IsLower(word);
  struct Rank {
    double score;
    int split;
  };
  std::vector<Rank> ranks(work.size());
  for (size_t i = 0; i < work.size(); ++i) {
    const std::string& entry = work[i];
    const size_t space = entry.find(' ');
    double cost, bits;
    if (space == std::string::npos) {
      cost = TypingErrorCost(word, entry);
      bits = Bits(frequencies_.Class(entry));
      if (phoneticsMap_->GetMapping(entry) == code) cost -= kSameSound;
      if (typedLower && !IsLower(entry)) cost += kCapitalised;
    } else {
      std::string joined = entry;
      joined.erase(std::remove(joined.begin(), joined.end(), ' '), joined.end());
      cost = TypingErrorCost(word, joined) + kSpaceCost;
      const std::string_view left(entry.data(), space), right(entry.data() + space + 1, entry.size() - space - 1);
      bits = std::min(Bits(frequencies_.Class(left)), Bits(frequencies_.Class(right))) - 1.0;
    }
    if (learningDictionary_ && learningDictionary_->IgnoreExists(entry)) cost -= kChosenBefore;
    // The correction learned for this very word comes first.
    const double score = learningDictionary_ && distance[i] == 0 ? -1e9 : cost - bits / kBitsPerEdit;
    ranks[i] = {score, space == std::string::npos ? 0 : 1};
  }
  std::vector<size_t> order(work.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (ranks[a].score != ranks[b].score) return ranks[a].score < ranks[b].score;
    return ranks[a].split < ranks[b].split;
  });

  // In the typed word's case, each suggestion once.
  std::vector<std::string> ranked;
  std::vector<int> rankedDistance;
  for (size_t i : order) {
    if (ranked.size() == kThoroughMax) break;
    std::string shaped = InCaseOf(word, work[i]);
    if (std::find(ranked.begin(), ranked.end(), shaped) != ranked.end()) continue;
    ranked.push_back(std::move(shaped));
    rankedDistance.push_back(distance[i]);
  }
  work = std::move(ranked);
  distance = std::move(rankedDistance);
}

}  // namespace tq::spell
