// The engine the spelling benchmarks measure: one main dictionary, no stored
// configuration, nothing learned while they run.
#pragma once

#include <filesystem>
#include <string>

#include "spell/engine/quill_spell_base.h"

namespace tq::bench {

inline void SetUpBenchEngine(spell::TQuillSpellBase& engine, const std::string& adm) {
  engine.BeginLoading();
  engine.WriteLearnSuggestions(false);
  engine.WriteConfigStorage(spell::csNone);
  engine.WriteConfigDictionaryDir(spell::TStringList{std::filesystem::path(adm).parent_path().string()});
  engine.ConfigDefaultMain = spell::TStringList{adm};
  engine.ConfigDefaultActiveCustom = "";
  engine.EndLoading();
  engine.Configuration().EnsureLoaded();
}

}  // namespace tq::bench
