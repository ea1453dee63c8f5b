// The spelling configuration read from an arbitrary "Spell.cfg": sections,
// counts, list entries, option flags and numbers all come from the input.
// Loading, reading every setting, changing some and saving must not fail.
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "platform/env.h"
#include "platform/key_store.h"
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

struct Workspace {
  std::filesystem::path dir;
  Workspace() {
    std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    dir = base / ("tq_config_fuzz_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
  }
  ~Workspace() { std::filesystem::remove_all(dir); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Workspace work;
  static FuzzFacts facts(work.dir.string());
  const std::string path = (work.dir / "Spell.cfg").string();
  {
    std::unique_ptr<platform::File> file;
    if (!platform::Env::Default().OpenFile(path, platform::FileAccess::ReadWrite, platform::FileShare::Read,
                                           platform::FileCreate::CreateAlways, &file))
      return 0;
    file->WriteAt(0, data, size);
  }
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  spell::TQuillSpellBase engine(spell::TEngineServices{nullptr, keys.get(), &facts});
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
