// Loading and saving a spelling configuration file ("Spell.cfg") whose
// lists are long: the time to load one whose list of configuration data
// holds N names (2N + 1 keys), and to save it again; and the time to open
// the dictionary set of one that lists N custom dictionaries, or whose
// custom dictionary holds N words. Times are this thread's processor time.
// Prints figures; asserts nothing.
#include <chrono>
#include <cstdio>
#include <string>

#include "bench/cpu_clock.h"
#include "platform/key_store.h"
#include "platform/memory_env.h"
#include "spell/engine/config_macros.h"
#include "spell/engine/custom_dictionary.h"
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

using Clock = bench::CpuClock;

double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// The start of a Spell.cfg the engine reads: its section is the engine's
// configuration id, taken from a first engine.
std::string ConfigHead(platform::Env& env, platform::KeyStore& keys, const spell::TSystemFacts& facts) {
  spell::TQuillSpellBase probe(spell::TEngineServices{&env, &keys, &facts});
  return "[" + spell::ExpandBasicVars(probe.ReadConfigID(), facts) + "]\r\n_FirstRun=+\r\n";
}

// Loads /bench/Spell.cfg as the program does.
void LoadConfig(spell::TQuillSpellBase& engine) {
  engine.BeginLoading();
  engine.WriteConfigFilename("/bench/Spell.cfg");
  engine.WriteConfigStorage(spell::csFile);
  engine.EndLoading();
  engine.Configuration().EnsureLoaded();
}

void ConfigurationData(const spell::TSystemFacts& facts, int n) {
  platform::MemoryEnv env;
  env.CreateDirectories("/bench");
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  std::string cfg = ConfigHead(env, *keys, facts) + "_UserData_count=" + std::to_string(n) + "\r\n";
  for (int i = 0; i < n; ++i) cfg += "_UserData_" + std::to_string(i) + "=name" + std::to_string(i) + "\r\n";
  for (int i = 0; i < n; ++i) cfg += "User_name" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
  platform::WriteWholeFile(env, "/bench/Spell.cfg", cfg);

  spell::TQuillSpellBase engine(spell::TEngineServices{&env, keys.get(), &facts});
  auto start = Clock::now();
  LoadConfig(engine);
  const double load = Milliseconds(start);
  const bool loaded =
      engine.Configuration().GetConfigurationData("name" + std::to_string(n - 1)) == "value " + std::to_string(n - 1);
  start = Clock::now();
  engine.Configuration().WriteDialogX(engine.Configuration().ReadDialogX() + 1);
  engine.Configuration().ReloadConfiguration();
  const double save = Milliseconds(start);
  std::printf("Spell.cfg with %d configuration data names: loaded%s in %.1f ms; saved and loaded again in %.1f ms\n", n,
              loaded ? "" : " (WRONG)", load, save);
}

// N custom dictionaries, each a file of one word, listed by path; the
// figure is the configuration's load, which opens them.
void CustomDictionaries(const spell::TSystemFacts& facts, int n) {
  platform::MemoryEnv env;
  env.CreateDirectories("/bench/dicts");
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  std::string cfg = ConfigHead(env, *keys, facts) + "_Custom_count=" + std::to_string(n) + "\r\n";
  for (int i = 0; i < n; ++i) {
    const std::string path = "/bench/dicts/d" + std::to_string(i) + ".adu";
    spell::TCustomDictionary dict(env);
    dict.WriteFilename(path);
    dict.AddIgnore("word" + std::to_string(i));
    dict.Save();
    cfg += "_Custom_" + std::to_string(i) + "=" + path + "\r\n";
  }
  platform::WriteWholeFile(env, "/bench/Spell.cfg", cfg);

  spell::TQuillSpellBase engine(spell::TEngineServices{&env, keys.get(), &facts});
  const auto start = Clock::now();
  LoadConfig(engine);
  const double load = Milliseconds(start);
  const bool right = engine.ReadCustomDictionaryCount() == n &&
                     engine.ReadCustomDictionary(n - 1)->IgnoreExists("word" + std::to_string(n - 1));
  std::printf("Spell.cfg with %d custom dictionaries: opened%s in %.1f ms\n", n, right ? "" : " (WRONG)", load);
}

// One active custom dictionary of N words (a third of them auto-correct
// pairs); the figure is the configuration's load with the first look-up,
// which reads the file.
void CustomWords(const spell::TSystemFacts& facts, int n) {
  platform::MemoryEnv env;
  env.CreateDirectories("/bench/dicts");
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  {
    spell::TCustomDictionary dict(env);
    dict.WriteFilename("/bench/dicts/words.adu");
    for (int i = 0; i < n; ++i)
      if (i % 3 == 2)
        dict.AddAutoCorrect("teh" + std::to_string(i), "the" + std::to_string(i));
      else
        dict.AddIgnore("word" + std::to_string(i));
    dict.Save();
  }
  platform::WriteWholeFile(env, "/bench/Spell.cfg",
                           ConfigHead(env, *keys, facts) + "_ActiveCustom=/bench/dicts/words.adu\r\n");
  spell::TQuillSpellBase engine(spell::TEngineServices{&env, keys.get(), &facts});
  const auto start = Clock::now();
  LoadConfig(engine);
  spell::TCustomDictionary* active = engine.ReadActiveCustomDictionary();
  const bool right = active && active->IgnoreExists("word" + std::to_string(n - 2));
  const double load = Milliseconds(start);
  std::printf("custom dictionary of %d words: opened and first looked up%s in %.1f ms\n", n, right ? "" : " (WRONG)",
              load);
}

}  // namespace

int main() {
  const BenchFacts facts;
  for (int n : {2000, 20000}) ConfigurationData(facts, n);
  for (int n : {2000, 20000}) CustomDictionaries(facts, n);
  for (int n : {2000, 20000}) CustomWords(facts, n);
  return 0;
}
