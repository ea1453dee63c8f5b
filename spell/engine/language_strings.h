// The texts the spelling windows, menus and messages show: one table of 69
// keys in 13 user-interface languages, in UTF-8 (the program's text), so a
// Russian dialog reads as Russian whatever the system's code page. "&" marks
// a caption's accelerator letter.
#pragma once

#include <string>

namespace tq::spell {

enum TSpellLanguageType : int {
  ltEnglish,
  ltSwedish,
  ltBrPort,
  ltAfrikaans,
  ltGerman,
  ltSpanish,
  ltRussian,
  ltCzech,
  ltDutch,
  ltDanish,
  ltPolish,
  ltNorwegianBok,
  ltFrench,
};
inline constexpr int kSpellLanguageCount = 13;

// The first eleven keys share the ordinals of the spelling options.
enum TSpellLanguageString : int {
  lsLiveSpelling,
  lsLiveCorrect,
  lsIgnoreUpcase,
  lsIgnoreNumbers,
  lsHTML,
  lsInternet,
  lsQuoted,
  lsAbbreviations,
  lsPrimaryOnly,
  lsRepeated,
  lsDUalCaps,
  lsConfirmation,
  lsRemoveCustomDict,
  lsIgnoreAllChangeAll,
  lsSpelling,
  lsSpellingOptions,
  lsDictionaries,
  lsIgnoreAllChangeAllTitle,
  lsNewCustomTitle,
  lsDlgNotFound,
  lsDlgRepeatedWord,
  lsDlgReplaceWith,
  lsDlgSuggestions,
  lsDlgUndo,
  lsDlgOptions,
  lsDlgIgnoreAll,
  lsDlgIgnore,
  lsDlgChangeAll,
  lsDlgChange,
  lsDlgAdd,
  lsDlgAutoCorrect,
  lsDlgHelp,
  lsDlgCancel,
  lsDlgResetDefaults,
  lsDlgOptionsLabel,
  lsDlgDictionariesLabel,
  lsDlgName,
  lsDlgFilename,
  lsDlgCustomDictionary,
  lsDlgDictionaries,
  lsDlgBrowseForMain,
  lsDlgBrowseForMainTitle,
  lsDlgCustomDictionaries,
  lsDlgEdit,
  lsDlgDelete,
  lsDlgNew,
  lsDlgOK,
  lsDlgNewCustom,
  lsDlgAddedWords,
  lsDlgAddedWordsExplanation,
  lsDlgIgnoreThisWord,
  lsDlgAutoCorrectPairs,
  lsDlgAutoCorrectPairsExplanation,
  lsDlgReplace,
  lsDlgWith,
  lsDlgExcludedWords,
  lsDlgExcludedWordsExplanation,
  lsDlgExcludeThisWord,
  lsEndMessage,
  lsWordsChecked,
  lsEndSelectionMessage,
  lsMnNoSuggestions,
  lsMnIgnore,
  lsMnIgnoreAll,
  lsMnAdd,
  lsMnChangeAll,
  lsMnAutoCorrect,
  lsMnSpelling,
  // The options dialog's box for soThoroughSuggestions, which has no key of
  // its own ordinal.
  lsThoroughSuggestions,
};
inline constexpr int kSpellLanguageStringCount = 69;

// The table's text; empty for a key or language outside the enumerations.
std::string GetString(TSpellLanguageString key, TSpellLanguageType language);

}  // namespace tq::spell
