// TSuggestionsGenerator: the edit-based suggestions for a misspelt word. It
// makes every word one slip away (a swapped pair, a missing, extra or wrong
// character, a missing space), asks an existence test for each and keeps
// those that exist, in the order the generators make them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tq::spell {

enum TSuggestionType : int { stSingleDeletion = 0, stTransposition, stInsertion, stSubstitution, stSplitWord };

// A set of suggestion types; bit n stands for the type of value n.
class TSuggestionTypes {
 public:
  constexpr TSuggestionTypes() = default;
  constexpr TSuggestionTypes(std::initializer_list<TSuggestionType> types) {
    for (TSuggestionType t : types) bits_ |= 1u << t;
  }
  static constexpr TSuggestionTypes All() {
    return {stSingleDeletion, stTransposition, stInsertion, stSubstitution, stSplitWord};
  }
  constexpr bool Contains(TSuggestionType t) const { return (bits_ >> t) & 1; }
  friend constexpr bool operator==(TSuggestionTypes a, TSuggestionTypes b) { return a.bits_ == b.bits_; }

 private:
  unsigned bits_ = 0;
};

// Sets exists when word is acceptable.
using TExistsEvent = std::function<void(const std::string& Word, bool& Exists)>;

class TSuggestionsGenerator {
 public:
  TSuggestionsGenerator();
  virtual ~TSuggestionsGenerator() = default;

  // Adds the language's letters to both character sets (once per change).
  virtual void WriteLanguage(int language);
  virtual void WriteDefaultSuggestionTypes(bool on);
  virtual void WriteSuggestionTypes(TSuggestionTypes types);
  // Adds candidate unless list holds exactly that text already.
  virtual bool AddWordToList(const std::string& candidate);
  // true: the list is full, stop.
  virtual bool CheckWord(const std::string& candidate);
  virtual bool Generate_SingleDeletion();
  virtual bool Generate_SingleTransposition(int distance);
  virtual bool Generate_SingleInsertion();
  virtual bool Generate_SingleSubstitution();
  virtual bool Generate_SplitWord();
  virtual void InternalSuggest(const std::string& word, int max, const TExistsEvent& exists,
                               std::vector<std::string>* list);
  // Also tries the lower-cased form of a mixed-case word.
  virtual void Suggest(const std::string& word, int max, const TExistsEvent& exists, std::vector<std::string>* list);

  int ReadLanguage() const { return language_; }
  TSuggestionTypes ReadSuggestionTypes() const { return types_; }
  bool ReadDefaultSuggestionTypes() const { return defaultTypes_; }
  const std::string& ReadUsageCharSet() const { return usageSet_; }
  const std::string& ReadStartCharSet() const { return startSet_; }
  // Candidates each generator made in the last InternalSuggest (split
  // points for stSplitWord), by type.
  long ReadCandidatesMade(TSuggestionType type) const { return made_[type]; }

 private:
  bool Exists(const std::string& candidate);
  bool ListFull() const { return list_->size() > static_cast<size_t>(max_); }

  std::string word_;
  std::vector<std::string>* list_ = nullptr;
  const TExistsEvent* exists_ = nullptr;
  int max_ = 0;
  bool wordLower_ = true;
  const std::string* runSet_ = nullptr;  // the usage set, or the start set for a word with capitals
  std::string usageSet_;
  std::string startSet_;
  int language_ = 0;
  TSuggestionTypes types_ = TSuggestionTypes::All();
  bool defaultTypes_ = true;
  std::string candidate_;  // reused for every candidate
  std::array<long, 5> made_{};
  TSuggestionType current_ = stTransposition;
};

}  // namespace tq::spell
