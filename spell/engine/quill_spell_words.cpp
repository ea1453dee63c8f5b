// The word tests of the engine component: which dictionaries know a word,
// in which letter case, and whether the user excluded it.
#include <algorithm>
#include <cstdlib>

#include "spell/engine/ansi_text.h"
#include "spell/engine/control_text.h"
#include "spell/engine/quill_spell_base.h"

namespace tq::spell {

namespace {

// A decimal number with optional sign, fraction and exponent, as a whole.
bool IsFloat(const std::string& word) {
  size_t i = 0;
  const size_t n = word.size();
  if (i < n && (word[i] == '+' || word[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && word[i] >= '0' && word[i] <= '9') ++i, ++digits;
  if (i < n && word[i] == '.') {
    ++i;
    while (i < n && word[i] >= '0' && word[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (word[i] == 'e' || word[i] == 'E')) {
    ++i;
    if (i < n && (word[i] == '+' || word[i] == '-')) ++i;
    size_t exponent = 0;
    while (i < n && word[i] >= '0' && word[i] <= '9') ++i, ++exponent;
    if (exponent == 0) return false;
  }
  return i == n;
}

}  // namespace

bool TQuillSpellBase::InMainDictionaries(const std::string& word, bool count) {
  for (const auto& dict : mainDictionaries_)
    if (dict->WordExists(word)) {
      if (count) dict->WordFound();
      return true;
    }
  return false;
}

bool TQuillSpellBase::AddedWordIn(const std::string& word) {
  if (activeCustom_ && activeCustom_->IgnoreExists(word)) return true;
  for (const auto& dict : customDictionaries_)
    if (dict->IgnoreExists(word)) return true;
  for (const auto& dict : msWordDictionaries_)
    if (dict->IgnoreExists(word)) return true;
  return ignoreAll_->IgnoreExists(word);
}

bool TQuillSpellBase::WordExistsInMain(const std::string& word) {
  config_->EnsureLoaded();
  return InMainDictionaries(word, true);
}

bool TQuillSpellBase::WordExists(const std::string& word) {
  config_->EnsureLoaded();
  return InMainDictionaries(word, true) || AddedWordIn(word);
}

namespace {

bool AllUpper(const std::string& word) {
  return std::all_of(word.begin(), word.end(), [](char c) { return c == AnsiUpperChar(c); });
}

}  // namespace

std::string TQuillSpellBase::NameFormOfCapitals(const std::string& word) const {
  if (AllowedCases != cmInitialCapsOrUpcase || word.size() < 2 || !AllUpper(word)) return {};
  std::string name = AnsiLowerCase(word);
  name[0] = word[0];
  return name;
}

std::string TQuillSpellBase::GetCaseModification(const std::string& word) {
  if (word.empty()) return word;
  std::string out = word;
  switch (AllowedCases) {
    case cmNone:
      break;
    case cmInitialCaps:
      out[0] = AnsiLowerChar(out[0]);
      break;
    case cmInitialCapsOrUpcase:
      if (AllUpper(word))
        out = AnsiLowerCase(word);
      else
        out[0] = AnsiLowerChar(out[0]);
      break;
    case cmAnyCase:
      out = AnsiLowerCase(word);
      break;
    case cmCustom:
      if (OnCaseModification) OnCaseModification(this, out);
      break;
  }
  return out;
}

bool TQuillSpellBase::WordIsPossessive(const std::string& word) {
  size_t at = word.find("'s");
  const size_t upper = word.find("'S");
  if (upper < at) at = upper;
  if (at == std::string::npos || at + 2 != word.size() || at == 0) return false;
  const std::string stem = word.substr(0, at);
  const std::string modified = GetCaseModification(stem);
  const std::string name = NameFormOfCapitals(stem);
  for (const auto& dict : mainDictionaries_)
    if ((dict->ReadLanguage() & 0xFF) == 9 &&
        (dict->WordExists(stem) || dict->WordExists(modified) || (!name.empty() && dict->WordExists(name))))
      return true;
  return false;
}

namespace {

constexpr char kTypographicApostrophe = '\x92';

// The word with its typographic apostrophes written as the dictionaries
// write them; empty when it has none.
std::string WithAsciiApostrophes(const std::string& word) {
  if (word.find(kTypographicApostrophe) == std::string::npos) return {};
  std::string ascii = word;
  std::replace(ascii.begin(), ascii.end(), kTypographicApostrophe, '\'');
  return ascii;
}

}  // namespace

bool TQuillSpellBase::WordAcceptable(const std::string& word) {
  // Part of it is beyond the dictionaries' code page: no verdict is possible.
  if (HoldsForeignUnit(word)) return true;
  auto inSomeCase = [this](const std::string& w) {
    const std::string name = NameFormOfCapitals(w);
    return WordExists(w) || WordExists(GetCaseModification(w)) || (!name.empty() && WordExists(name));
  };
  if (inSomeCase(word) || (englishLoaded_ && WordIsPossessive(word)) || IsFloat(word) || word.size() == 1 ||
      RunPostCheckIgnore(word, currentParser_))
    return true;
  // "it\x92s" is the word "it's" as a word processor types it.
  const std::string ascii = WithAsciiApostrophes(word);
  return !ascii.empty() && (inSomeCase(ascii) || (englishLoaded_ && WordIsPossessive(ascii)));
}

bool TQuillSpellBase::WordExcluded(const std::string& word) {
  if (HoldsForeignUnit(word)) return false;
  const std::string ascii = WithAsciiApostrophes(word);
  return ExcludedAsWritten(word) || (!ascii.empty() && ExcludedAsWritten(ascii));
}

bool TQuillSpellBase::ExcludedAsWritten(const std::string& word) {
  config_->EnsureLoaded();
  if (activeCustom_ && activeCustom_->ExcludeExists(word)) return true;
  for (const auto& dict : customDictionaries_)
    if (dict->ExcludeExists(word)) return true;
  std::string replacement;
  return mappingDictionary_ && mappingDictionary_->AutoCorrectExists(word, replacement);
}

}  // namespace tq::spell
