// The spelling configuration read from an arbitrary "Spell.cfg": sections,
// counts, list entries, option flags and numbers all come from the input.
// Loading, reading every setting, changing some and saving must not fail.
// The input names folders and files (the dictionary set creates what it
// names): they are made in a file system held in memory, never on disk.
#include <cstdint>
#include <string>

#include "platform/key_store.h"
#include "platform/memory_env.h"
#include "spell/engine/quill_spell_base.h"

namespace {

using namespace tq;

class FuzzFacts : public spell::TSystemFacts {
 public:
  explicit FuzzFacts(std::string dir) : dir_(std::move(dir)) {}
  std::string ProgramPath() const override { return dir_ + "/TavrinQuillet.exe"; }
  std::string UserName() const override { return "fuzz"; }
  std::string SpecialFolder(platform::SpecialFolder) const override { return dir_; }
  std::string ExpandEnvironment(const std::string& text) const override { return text; }

 private:
  std::string dir_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFacts facts("C:/Users/fuzz");
  platform::MemoryEnv env;
  if (!env.CreateDirectories("C:/Users/fuzz") ||
      !platform::WriteWholeFile(env, "C:/Users/fuzz/Spell.cfg",
                                std::string(reinterpret_cast<const char*>(data), size)))
    return 0;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  spell::TQuillSpellBase engine(spell::TEngineServices{&env, keys.get(), &facts});
  engine.BeginLoading();
  engine.WriteConfigStorage(spell::csFile);
  engine.EndLoading();
  spell::TQuillConfig& config = engine.Configuration();
  const int lists = config.ReadMainDictionaries().Count() + config.ReadCustomDictionaries().Count() +
                    config.ReadMSWordCustomDictionaries().Count() + config.ReadNewDictionaryPaths().Count();
  if (lists < 0) __builtin_trap();
  config.ReadActiveCustom();
  config.ReadDialogX();
  config.ReadDialogY();
  config.GetConfigurationData("a");
  engine.ResynchOptions(true);
  if (size > 0 && (data[0] & 1)) {
    config.WriteSpellOptions(spell::TSpellOptions::FromBits(static_cast<uint16_t>(data[0] * 257)));
    config.SetConfigurationData("fuzz", std::string(reinterpret_cast<const char*>(data), std::min<size_t>(size, 8)));
  }
  if (size > 0 && (data[0] & 2)) config.ResetConfigurationDefaults();
  return 0;
}
