// The engine component's suggestions: the mapping short-cut, edit-based and
// sound-alike candidates, learned corrections first, ranked by distance.
#include <algorithm>

#include "spell/engine/ansi_text.h"
#include "spell/engine/control_text.h"
#include "spell/engine/edit_distance.h"
#include "spell/engine/quill_spell_base.h"

namespace tq::spell {

namespace {

// While the slips of a word are tried: each candidate is asked once, so the
// main dictionaries keep no answers for them.
class CandidateLookups {
 public:
  explicit CandidateLookups(const std::vector<std::unique_ptr<TMainDictionary>>& dictionaries)
      : dictionaries_(dictionaries) {
    for (const auto& dict : dictionaries_) dict->WriteRemembering(false);
  }
  ~CandidateLookups() {
    for (const auto& dict : dictionaries_) dict->WriteRemembering(true);
  }
  CandidateLookups(const CandidateLookups&) = delete;
  CandidateLookups& operator=(const CandidateLookups&) = delete;

 private:
  const std::vector<std::unique_ptr<TMainDictionary>>& dictionaries_;
};

}  // namespace

void TQuillSpellBase::ExistsEvent(const std::string& word, bool& exists) {
  const std::string modified = GetCaseModification(word);
  // Most candidates are their own case modification: one lookup answers.
  const bool same = modified == word;
  if (primaryOnly_)
    exists = WordExistsInMain(word) || (!same && WordExistsInMain(modified));
  else
    exists = WordExists(word) || (!same && WordExists(modified));
  if (!exists && englishLoaded_) exists = WordIsPossessive(word);
  if (exists) exists = Offerable(word);
}

bool TQuillSpellBase::Offerable(const std::string& word) {
  if (!UseExcludeWords) return true;
  if (WordExcluded(word)) return false;
  const std::string modified = GetCaseModification(word);
  return modified == word || !WordExcluded(modified);
}

void TQuillSpellBase::Suggest(const std::string& word, std::vector<std::string>& list) {
  config_->EnsureLoaded();
  InternalSuggest(word, MaxSuggestions, list);
}

void TQuillSpellBase::InternalSuggest(const std::string& word, int max, std::vector<std::string>& list,
                                      std::vector<int>* distances) {
  if (distances) distances->clear();
  if (HoldsForeignUnit(word)) {  // nothing in the dictionaries is like it
    list.clear();
    return;
  }
  std::string replacement;
  if (mappingDictionary_ && mappingDictionary_->AutoCorrectExists(word, replacement)) {
    list.push_back(replacement);
    if (distances) distances->assign(list.size(), 0);
    return;
  }
  // Whatever would be found, none of it is kept: listing and counting runs
  // ask for no suggestions and pay nothing for them.
  if (max == 0) {
    list.clear();
    return;
  }
  std::vector<std::string> work;
  const TExistsEvent exists = [this](const std::string& w, bool& e) { ExistsEvent(w, e); };
  {
    const CandidateLookups once(mainDictionaries_);
    // Thorough suggestions rank all they find before the list is cut.
    suggestions_->Suggest(word, thorough_ ? -1 : max, exists, &work);
  }
  const size_t editCount = work.size();

  if (PhoneticSuggestions && !mainDictionaries_.empty()) {
    TMainDictionary& first = *mainDictionaries_.front();
    const int language = static_cast<int>(first.ReadLanguage());
    if (phoneticsMap_->ReadLanguage() != language) {
      phoneticsMap_->WriteLanguage(language);
      if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap(this);
    }
    first.Suggest(word, *phoneticsMap_, work);
    // English sound rules are narrow; the coarse default rules find more.
    // Thorough suggestions go without them: their ranking finds the word
    // meant as often, in four fifths of the time.
    if ((phoneticsMap_->ReadLanguage() & 0xFF) == 9 && work.size() < 20 && !thorough_) {
      phoneticsMap_->WriteLanguage(0);
      if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap(this);
      first.Suggest(word, *phoneticsMap_, work);
    }
  }

  std::vector<int> distance(work.size());
  for (size_t i = 0; i < work.size(); ++i) distance[i] = GetEditDistance(word, work[i]);
  // Sound-alikes too far from what was typed are dropped; slips never are.
  // Excluded words are dropped from both (the slips' test leaves them out).
  size_t kept = editCount;
  for (size_t i = editCount; i < work.size(); ++i)
    if (phoneticsMap_->AcceptableDistance(word, distance[i]) && Offerable(work[i])) {
      if (kept != i) work[kept] = std::move(work[i]);
      distance[kept] = distance[i];
      ++kept;
    }
  work.resize(kept);
  distance.resize(kept);

  if (learningDictionary_) {
    if (learningDictionary_->AutoCorrectExists(word, replacement) && Offerable(replacement)) {
      auto found =
          std::find_if(work.begin(), work.end(), [&](const std::string& e) { return AnsiSameText(e, replacement); });
      if (found == work.end() || *found != replacement) {
        work.insert(work.begin(), replacement);
        distance.insert(distance.begin(), 0);
      } else {
        distance[static_cast<size_t>(found - work.begin())] = 0;
      }
    }
    for (size_t i = 0; i < work.size(); ++i)
      distance[i] = learningDictionary_->IgnoreExists(work[i]) ? 2 * distance[i] - 1 : 2 * distance[i];
  }

  if (thorough_) {
    ThoroughRank(word, work, distance);
  } else {
    for (size_t j = 0; j + 1 < work.size(); ++j)
      for (size_t b = j + 1; b < work.size(); ++b)
        if (distance[j] > distance[b]) {
          std::swap(work[j], work[b]);
          std::swap(distance[j], distance[b]);
        }
  }
  if (max >= 0 && work.size() > static_cast<size_t>(max)) {
    work.resize(static_cast<size_t>(max));
    distance.resize(static_cast<size_t>(max));
  }
  list = std::move(work);
  if (distances) *distances = std::move(distance);
}

void TQuillSpellBase::LearnSuggestion(const std::string& word, const std::string& replacement) {
  if (!learningDictionary_) return;
  learningDictionary_->AddAutoCorrect(word, replacement);
  learningDictionary_->AddIgnore(replacement);
}

}  // namespace tq::spell
