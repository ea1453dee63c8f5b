// Loading and saving a spelling configuration file ("Spell.cfg") whose
// lists are long: the time to load one whose list of configuration data
// holds N names (2N + 1 keys), and to save it again. Prints figures;
// asserts nothing.
#include <chrono>
#include <cstdio>
#include <string>

#include "platform/key_store.h"
#include "platform/memory_env.h"
#include "spell/engine/config_macros.h"
#include "spell/engine/quill_spell_base.h"

namespace {

using namespace tq;

class BenchFacts : public spell::TSystemFacts {
 public:
  std::string ProgramPath() const override { return "/bench/TavrinQuillet.exe"; }
  std::string UserName() const override { return "bench"; }
  std::string SpecialFolder(platform::SpecialFolder) const override { return "/bench"; }
  std::string ExpandEnvironment(const std::string& text) const override { return text; }
};

double Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
  const BenchFacts facts;
  for (int n : {2000, 20000}) {
    platform::MemoryEnv env;
    env.CreateDirectories("/bench");
    std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
    // The section name is the engine's configuration id; take it from a
    // first engine so the file is the one it reads.
    std::string id;
    {
      spell::TQuillSpellBase probe(spell::TEngineServices{&env, keys.get(), &facts});
      id = spell::ExpandBasicVars(probe.ReadConfigID(), facts);
    }
    std::string cfg = "[" + id + "]\r\n_FirstRun=+\r\n_UserData_count=" + std::to_string(n) + "\r\n";
    for (int i = 0; i < n; ++i) cfg += "_UserData_" + std::to_string(i) + "=name" + std::to_string(i) + "\r\n";
    for (int i = 0; i < n; ++i) cfg += "User_name" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
    platform::WriteWholeFile(env, "/bench/Spell.cfg", cfg);

    spell::TQuillSpellBase engine(spell::TEngineServices{&env, keys.get(), &facts});
    auto start = std::chrono::steady_clock::now();
    engine.BeginLoading();
    engine.WriteConfigFilename("/bench/Spell.cfg");
    engine.WriteConfigStorage(spell::csFile);
    engine.EndLoading();
    engine.Configuration().EnsureLoaded();
    const double load = Milliseconds(start);
    const bool loaded = engine.Configuration().GetConfigurationData("name" + std::to_string(n - 1)) ==
                        "value " + std::to_string(n - 1);
    start = std::chrono::steady_clock::now();
    engine.Configuration().WriteDialogX(engine.Configuration().ReadDialogX() + 1);
    engine.Configuration().ReloadConfiguration();
    const double save = Milliseconds(start);
    std::printf("Spell.cfg with %d configuration data names: loaded%s in %.1f ms; saved and loaded again in %.1f ms\n",
                n, loaded ? "" : " (WRONG)", load, save);
  }
  return 0;
}
