#include "spell/engine/language_strings.h"

#include <gtest/gtest.h>

#include "platform/memory_env.h"
#include "spell/engine/engine_test_support.h"
#include "spell/engine/quill_spell_base.h"

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

TEST(LanguageStrings, TextsInUtf8) {
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
      // The languages of other code pages, as the bytes of UTF-8.
      {lsSpelling, ltRussian,
       "\xD0\x9E\xD1\x80\xD1\x84\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD1\x84\xD0\xB8\xD1\x8F"},  // Орфография
      {lsDlgIgnore, ltRussian,
       "\xD0\x9F&\xD1\x80\xD0\xBE\xD0\xBF\xD1\x83\xD1\x81\xD1\x82\xD0\xB8\xD1\x82\xD1\x8C"},  // П&ропустить
      {lsEndMessage, ltPolish, "Sprawdzanie pisowni zosta\xC5\x82o zako\xC5\x84\x63zone."},
      {lsDlgIgnore, ltCzech, "&P\xC5\x99\x65sko\xC4\x8Dit"},  // &Přeskočit
      {lsSpellingOptions, ltGerman, "Rechtschreiboptionen"},
      {lsDlgUndo, ltSwedish, "&\xC3\x85ngra"},  // &Ångra
      {lsDlgOK, ltSpanish, "&Aceptar"},
      {lsThoroughSuggestions, ltEnglish, "&Thorough suggestions"},
      {lsThoroughSuggestions, ltPolish, "&Dok\xC5\x82\x61\x64ne sugestie"},
      // The same texts as the source spells them.
      {lsThoroughSuggestions, ltRussian, "&Тщательный подбор вариантов"},
      {lsDlgChangeAll, ltCzech, "Zaměnit v&še"},
      {lsSpelling, ltPolish, "Pisownia"},
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
