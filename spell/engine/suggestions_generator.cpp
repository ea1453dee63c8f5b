#include "spell/engine/suggestions_generator.h"

#include <algorithm>

#include "spell/engine/ansi_text.h"

namespace tq::spell {

namespace {

std::string Range(unsigned from, unsigned to) {
  std::string s;
  for (unsigned c = from; c <= to; ++c) s += static_cast<char>(c);
  return s;
}

// Letters of the Cyrillic code page that lie outside 0xC0-0xFF.
const char kCyrillicExtras[] = "\xB8\xA8\xB9\xB3\xBF";

const char* LanguageLetters(int language) {
  if (language == 1029)
    return "\xE1\xE8\xEF\xE9\xEC\xED\xF2\xF3\xF8\x9A\x9D\xFA\xF9\xFD\x9E\xC1\xC8\xCF\xC9\xCC\xCD\xD2\xD3\xD8\x8A\x8D"
           "\xDA\xD9\xDD\x8E";
  if ((language & 0xFF) == 12) return "\x9C";
  if (language == 1049) return "\xB2\xA2\xB1\xA1\xBC\xAC\xB6\xA6";
  if (language == 1045) return "\xB9\xE6\xEA\xB3\xB3\xF1\xF3\x9C\xBF\x9F\xA5\xC6\xCA\xA3\xD1\xD3\x8C\xAF\x8F";
  return "";
}

bool IsAllLower(const std::string& word) {
  return std::all_of(word.begin(), word.end(), [](char c) { return c == AnsiLowerChar(c); });
}

}  // namespace

// Appended in turn: a string literal added in front of a temporary string
// makes GCC 12 at -O3 warn of an overlapping copy that cannot happen.
TSuggestionsGenerator::TSuggestionsGenerator()
    : usageSet_(std::string("'").append(Range('a', 'z')).append("\xD7\xDE\xDF").append(Range(0xE0, 0xFF))
                    .append(kCyrillicExtras)),
      startSet_(std::string("'").append(Range('a', 'z')).append(Range('A', 'Z')).append(Range(0xC0, 0xFF))
                    .append(kCyrillicExtras)) {}

void TSuggestionsGenerator::WriteLanguage(int language) {
  if (language == language_) return;
  language_ = language;
  WriteDefaultSuggestionTypes(defaultTypes_);
  const std::string letters = LanguageLetters(language);
  usageSet_ += letters;
  startSet_ += letters;
}

void TSuggestionsGenerator::WriteDefaultSuggestionTypes(bool on) {
  defaultTypes_ = on;
  if (!on) return;
  // Swedish joins compounds freely, so a split is rarely what was meant.
  types_ = language_ == 1053 ? TSuggestionTypes{stSingleDeletion, stTransposition, stInsertion, stSubstitution}
                             : TSuggestionTypes::All();
}

void TSuggestionsGenerator::WriteSuggestionTypes(TSuggestionTypes types) {
  types_ = types;
  defaultTypes_ = false;
}

bool TSuggestionsGenerator::AddWordToList(const std::string& candidate) {
  for (const std::string& entry : *list_)
    if (AnsiSameText(entry, candidate) && entry == candidate) return false;
  list_->push_back(candidate);
  return true;
}

bool TSuggestionsGenerator::Exists(const std::string& candidate) {
  bool exists = false;
  (*exists_)(candidate, exists);
  return exists;
}

bool TSuggestionsGenerator::CheckWord(const std::string& candidate) {
  ++made_[current_];
  if (candidate.size() < 2) return false;
  if (!Exists(candidate)) return false;
  if (ListFull()) return true;
  // A lower-case slip is offered the lower-case word, not its capitalised twin.
  if (wordLower_ && !IsAllLower(candidate) && Exists(AnsiLowerCase(candidate))) return false;
  AddWordToList(candidate);
  return false;
}

bool TSuggestionsGenerator::Generate_SingleTransposition(int distance) {
  current_ = stTransposition;
  const size_t d = static_cast<size_t>(distance);
  if (word_.size() <= d + 1) return false;
  for (size_t i = word_.size() - d; i >= 1; --i) {
    candidate_ = word_;
    std::swap(candidate_[i - 1], candidate_[i - 1 + d]);
    if (CheckWord(candidate_)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::Generate_SingleDeletion() {
  current_ = stSingleDeletion;
  const std::string& set = *runSet_;
  for (size_t p = word_.size() + 1; p >= 2; --p) {
    candidate_ = word_;
    candidate_.insert(p - 1, 1, ' ');
    for (char c : set) {
      candidate_[p - 1] = c;
      if (CheckWord(candidate_)) return true;
    }
  }
  candidate_ = ' ' + word_;
  for (char c : startSet_) {
    candidate_[0] = c;
    if (CheckWord(candidate_)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::Generate_SingleInsertion() {
  current_ = stInsertion;
  for (size_t i = word_.size(); i >= 1; --i) {
    candidate_ = word_;
    candidate_.erase(i - 1, 1);
    if (CheckWord(candidate_)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::Generate_SingleSubstitution() {
  current_ = stSubstitution;
  const std::string& set = *runSet_;
  candidate_ = word_;
  for (size_t i = word_.size(); i >= 2; --i) {
    for (char c : set) {
      candidate_[i - 1] = c;
      if (CheckWord(candidate_)) return true;
    }
    candidate_[i - 1] = word_[i - 1];
  }
  for (char c : startSet_) {
    candidate_[0] = c;
    if (CheckWord(candidate_)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::Generate_SplitWord() {
  current_ = stSplitWord;
  const size_t n = word_.size();
  if (n >= 4) {
    for (size_t a = 2; a <= n - 2; ++a) {
      ++made_[stSplitWord];
      const std::string left = word_.substr(0, a), right = word_.substr(a);
      if (Exists(left) && Exists(right)) {
        if (ListFull()) return true;
        AddWordToList(left + " " + right);
      }
    }
  }
  // "end.Next" typed without the space after the full stop.
  const size_t dot = word_.find('.');
  if (dot != std::string::npos && word_.find('.', dot + 1) == std::string::npos && dot + 1 < n) {
    const char after = word_[dot + 1];
    const std::string before = word_.substr(0, dot), rest = word_.substr(dot + 1);
    if (after == AnsiUpperChar(after) && Exists(before) && Exists(rest) && !ListFull())
      AddWordToList(before + ".  " + rest);
  }
  return false;
}

void TSuggestionsGenerator::InternalSuggest(const std::string& word, int max, const TExistsEvent& exists,
                                            std::vector<std::string>* list) {
  if (max == -1) max = 65535;
  made_ = {};
  if (!exists || !list || word.empty() || max <= 0 || word.size() > 250) return;
  word_ = word;
  list_ = list;
  exists_ = &exists;
  max_ = max;
  wordLower_ = IsAllLower(word);
  runSet_ = wordLower_ ? &usageSet_ : &startSet_;
  const bool stop = (types_.Contains(stTransposition) && Generate_SingleTransposition(1)) ||
                    (types_.Contains(stSingleDeletion) && Generate_SingleDeletion()) ||
                    (types_.Contains(stInsertion) && Generate_SingleInsertion()) ||
                    (types_.Contains(stSubstitution) && Generate_SingleSubstitution()) ||
                    (types_.Contains(stTransposition) && Generate_SingleTransposition(2)) ||
                    (types_.Contains(stSplitWord) && Generate_SplitWord());
  (void)stop;
  list_ = nullptr;
  exists_ = nullptr;
}

void TSuggestionsGenerator::Suggest(const std::string& word, int max, const TExistsEvent& exists,
                                    std::vector<std::string>* list) {
  InternalSuggest(word, max, exists, list);
  const std::string upper = AnsiUpperCase(word), lower = AnsiLowerCase(word);
  if (word == upper || word == lower) return;
  if (word[0] != AnsiUpperChar(word[0]))
    InternalSuggest(lower, max, exists, list);
  else
    InternalSuggest(word.substr(0, 1) + lower.substr(1), max, exists, list);
}

}  // namespace tq::spell
