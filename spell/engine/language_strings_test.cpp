#include "spell/engine/language_strings.h"

#include <gtest/gtest.h>

#include "platform/memory_env.h"

#include "spell/engine/quill_spell_base.h"
#include "spell/engine/engine_test_support.h"

namespace tq::spell {
namespace {

TEST(LanguageStrings, EveryKeyInEveryLanguage) {
  for (int language = 0; language < kSpellLanguageCount; ++language)
    for (int key = 0; key < kSpellLanguageStringCount; ++key) {
      const std::string text =
          GetString(static_cast<TSpellLanguageString>(key), static_cast<TSpellLanguageType>(language));
      EXPECT_FALSE(text.empty()) << language << "/" << key;
      EXPECT_LE(std::count(text.begin(), text.end(), '&'), 1) << language << "/" << key;
      // A caption with an accelerator has one in every language.
      const std::string english = GetString(static_cast<TSpellLanguageString>(key), ltEnglish);
      EXPECT_EQ(english.find('&') != std::string::npos, text.find('&') != std::string::npos) << language << "/" << key;
    }
  EXPECT_EQ(GetString(static_cast<TSpellLanguageString>(69), ltEnglish), "");
  EXPECT_EQ(GetString(lsSpelling, static_cast<TSpellLanguageType>(13)), "");
  EXPECT_EQ(GetString(static_cast<TSpellLanguageString>(-1), ltEnglish), "");
}

TEST(LanguageStrings, EnglishTextsAndCodePages) {
  struct Case {
    TSpellLanguageString key;
    TSpellLanguageType language;
    std::string text;
  } cases[] = {
      {lsDlgCancel, ltEnglish, "Cancel"},
      {lsDlgOK, ltEnglish, "&OK"},
      {lsDUalCaps, ltEnglish, "Automatically correct DUal capitals"},
      {lsDlgOptionsLabel, ltEnglish, " O&ptions: "},
      {lsEndSelectionMessage, ltEnglish,
       "The selection has been checked.  Would you like to check the remainder of the document?"},
      {lsMnSpelling, ltEnglish, "&Spelling ..."},
      {lsSpelling, ltRussian, "\xCE\xF0\xF4\xEE\xE3\xF0\xE0\xF4\xE8\xFF"},           // Windows-1251
      {lsEndMessage, ltPolish, "Sprawdzanie pisowni zosta\xB3o zako\xF1\x63zone."},  // Windows-1250
      {lsDlgIgnore, ltCzech, "&P\xF8\x65sko\xE8it"},                                 // Windows-1250
      {lsSpellingOptions, ltGerman, "Rechtschreiboptionen"},
      {lsDlgUndo, ltSwedish, "&\xC5ngra"},  // Windows-1252
      {lsDlgOK, ltSpanish, "&Aceptar"},
      {lsThoroughSuggestions, ltEnglish, "&Thorough suggestions"},
      {lsThoroughSuggestions, ltRussian,
       "&\xD2\xF9\xE0\xF2\xE5\xEB\xFC\xED\xFB\xE9 \xEF\xEE\xE4\xE1\xEE\xF0 \xE2\xE0\xF0\xE8\xE0\xED\xF2\xEE\xE2"},
      {lsThoroughSuggestions, ltPolish, "&Dok\xB3\x61\x64ne sugestie"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetString(c.key, c.language), c.text) << c.key << "/" << c.language;
  // The option keys share the options' ordinals.
  EXPECT_EQ(static_cast<int>(lsDUalCaps), static_cast<int>(soDUalCaps));
  EXPECT_EQ(static_cast<int>(lsLiveSpelling), static_cast<int>(soLiveSpelling));
}

TEST(LanguageStrings, EngineLanguageAndOverride) {
  fakes::FakeFacts facts;
  platform::MemoryEnv env;  // nothing made on the real disk
  auto keys = platform::NewMemoryKeyStore();
  TQuillSpellBase spell(TEngineServices{&env, keys.get(), &facts});
  EXPECT_EQ(spell.GetString(lsDlgCancel), "Cancel");
  spell.UILanguage = ltFrench;
  EXPECT_EQ(spell.GetString(lsSpelling), "Orthographe");
  std::string seen;
  spell.OnGetString = [&](TQuillSpellBase*, TSpellLanguageString key, std::string& text) {
    seen = text;
    if (key == lsSpelling) text = "Checker";
  };
  EXPECT_EQ(spell.GetString(lsSpelling), "Checker");
  EXPECT_EQ(seen, "Orthographe");
  EXPECT_EQ(spell.GetString(lsDictionaries), "Dictionnaires");  // left unchanged
}

}  // namespace
}  // namespace tq::spell
