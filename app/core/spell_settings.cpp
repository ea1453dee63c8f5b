#include "app/core/spell_settings.h"

namespace tq::app {

using namespace tq::spell;

void ApplySpellSettings(TQuillSpellBase& engine, const SpellingPlaces& places) {
  // The storage settings reload the configuration when it is loaded; set
  // them while nothing rebuilds on every step.
  engine.BeginLoading();
  engine.ConfigDefaultMain = TStringList{"American.adm"};
  engine.ConfigDefaultCustom = TStringList{};
  engine.ConfigDefaultActiveCustom = "Spell.adu";
  // Thorough suggestions find the word meant first more often than the
  // specified ranking (bench/compare_spellers.py): a new configuration, or
  // one that does not name them, has them; a saved choice is kept.
  engine.ConfigDefaultOptions = TSpellOptions{soLiveSpelling,  soLiveCorrect, soInternet,
                                              soAbbreviations, soRepeated,    soThoroughSuggestions};
  engine.ConfigAvailableOptions = TSpellOptions{soLiveSpelling, soLiveCorrect,   soUpcase,      soNumbers,
                                                soHTML,         soInternet,      soQuoted,      soAbbreviations,
                                                soPrimaryOnly,  soRepeated,      soDUalCaps};
  engine.ConfigUseMSWordCustom = true;
  engine.ConfigDefaultUseMSWordCustom = false;
  engine.WriteConfigID("%UserName%");
  engine.WriteConfigStorage(csFile);
  ApplySpellingPlaces(engine, places);
  engine.WriteSuggestionsDictFN("Spell.adl");
  engine.WriteLearnSuggestions(true);
  engine.WriteKeepDictionariesActive(false);
  engine.WriteQuoteChars(">");
  engine.DialogShowModal = false;
  engine.EndCursorPosition = epOriginal;
  engine.PhoneticSuggestions = true;
  engine.WritePhoneticMaxDistance(4);
  engine.WritePhoneticDivisor(2);
  engine.WritePhoneticDepth(2);
  engine.UILanguage = ltEnglish;
  engine.AllowedCases = library::kProgramAllowedCases;
  engine.EndLoading();
}

}  // namespace tq::app
