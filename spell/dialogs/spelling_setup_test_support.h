// For the window tests of the options and dictionary dialogs: a program
// folder with a small American.adm, and an engine with its dialogs set up as
// the program sets them up (Spell.cfg beside the program, per user).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/core/spell_settings.h"
#include "platform/env.h"
#include "platform/key_store.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/engine/dictionary_compiler.h"
#include "spell/engine/engine_test_support.h"
#include "tests/support/temp_dir.h"

namespace tq::spell::testing {

inline void WriteDictionary(const std::string& path, const std::string& title, const std::vector<std::string>& words) {
  spell::TCompileOptions options;
  options.title = title;
  options.language = 1033;
  std::string image, error;
  ASSERT_TRUE(spell::CompileMainDictionary(words, options, &image, nullptr, &error)) << error;
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), path, image).ok());
}

inline std::string FileText(const std::string& path) {
  std::string text;
  platform::ReadWholeFile(platform::Env::Default(), path, &text);
  return text;
}

// An engine and its dialogs; the dialogs go first.
struct SpellWithDialogs {
  std::unique_ptr<TQuillSpellBase> engine;
  std::unique_ptr<TSpellDialogs> dialogs;
  TQuillSpellBase* operator->() const { return engine.get(); }
  TQuillSpellBase& operator*() const { return *engine; }
  // Both go, the configuration saving as the engine goes.
  void reset() {
    dialogs.reset();
    engine.reset();
  }
};

struct ProgramFolder {
  tq::testing::TempDir dir;
  fakes::FakeFacts facts;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();

  ProgramFolder() {
    facts.programPath = dir.File("TavrinQuillet.exe");
    facts.userName = "alice";
    WriteDictionary(dir.File("American.adm"), "American English",
                    {"the", "cat", "sat", "on", "mat", "a", "word", "hello", "world", "kind", "regards"});
  }
  std::string File(const std::string& name) const { return dir.path() + "\\" + name; }

  // An engine over this folder; its configuration saves when it goes.
  SpellWithDialogs Engine() {
    SpellWithDialogs spell;
    spell.engine = std::make_unique<TQuillSpellBase>(TEngineServices{nullptr, keys.get(), &facts});
    spell.dialogs = std::make_unique<TSpellDialogs>(*spell.engine);
    app::ApplySpellSettings(*spell, app::ChooseSpellingPlaces(platform::Env::Default(), dir.path(), ""));
    spell->Configuration().EnsureLoaded();
    return spell;
  }
};

}  // namespace tq::spell::testing
