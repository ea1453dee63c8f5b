// Test helpers for the dictionary set: small main dictionaries compiled into
// a folder, and a component whose configuration lives nowhere and whose
// dictionaries come from given folders.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/env.h"
#include "spell/engine/dictionary_compiler.h"
#include "spell/engine/engine_test_support.h"
#include "spell/engine/quill_spell_base.h"

namespace tq::spell::testsupport {

// Writes a main dictionary of words to path.
inline void WriteMainDictionary(const std::string& path, const std::vector<std::string>& words,
                                uint32_t language = 1033) {
  TCompileOptions options;
  options.title = "test";
  options.language = language;
  std::string image, error;
  ASSERT_TRUE(CompileMainDictionary(words, options, &image, nullptr, &error)) << error;
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), path, image).ok());
}

// Sets up a component (of any class) whose configuration lives nowhere, with
// the given folders, main dictionaries, active custom dictionary and
// options; the dictionaries open when the configuration first loads.
inline void ConfigureTestEngine(TQuillSpellBase& spell, const std::vector<std::string>& folders,
                                const TStringList& mainNames, const std::string& activeCustom, TSpellOptions options) {
  spell.BeginLoading();
  spell.WriteConfigStorage(csNone);
  TStringList dirs;
  dirs.Assign(folders);
  spell.WriteConfigDictionaryDir(dirs);
  spell.ConfigDefaultMain = mainNames;
  spell.ConfigDefaultActiveCustom = activeCustom;
  spell.ConfigDefaultOptions = options;
  spell.EndLoading();
}

// A component with the given folders and configured main dictionaries; the
// dictionaries open when the configuration first loads.
struct DictionaryEngine {
  fakes::FakeFacts facts;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  std::unique_ptr<TQuillSpellBase> spell;

  DictionaryEngine(const std::vector<std::string>& folders, const TStringList& mainNames,
                   const std::string& activeCustom = "%ConfigID%.adu", TSpellOptions options = {}) {
    spell = std::make_unique<TQuillSpellBase>(TEngineServices{nullptr, keys.get(), &facts});
    ConfigureTestEngine(*spell, folders, mainNames, activeCustom, options);
  }
  TQuillSpellBase& operator*() { return *spell; }
  TQuillSpellBase* operator->() { return spell.get(); }
  // Loads the configuration, which opens the dictionaries.
  TQuillSpellBase& Loaded() {
    spell->Configuration().EnsureLoaded();
    return *spell;
  }
};

}  // namespace tq::spell::testsupport
