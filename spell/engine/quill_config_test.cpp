#include "spell/engine/quill_config.h"

#include <gtest/gtest.h>

#include "platform/fault_env.h"
#include "platform/ini_file.h"
#include "spell/engine/config_macros.h"
#include "spell/engine/engine_test_support.h"
#include "spell/engine/quill_spell_base.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using platform::Env;

TEST(ConfigMacros, Expansion) {
  fakes::FakeFacts facts;
  facts.appData = "/home/alice/.config/";
  facts.documents = "/home/alice/Documents";
  facts.environment["TEMP"] = "/tmp";
  struct Row {
    const char* text;
    const char* expanded;
  } rows[] = {
      {"%AppName%.ini", "TavrinQuillet.ini"},
      {"%UserName%", "alice"},
      {"%UserName%-%UserName%", "alice-%UserName%"},  // the first occurrence only
      {"%AppDir%\\Spell.cfg", "/opt/quillet\\Spell.cfg"},
      {"%AppData%\\x", "/home/alice/.config\\x"},
      {"%MyDocuments%", "/home/alice/Documents"},
      {"%TEMP%\\%AppName%", "/tmp\\TavrinQuillet"},
      {"%Unknown%", "%Unknown%"},
      {"plain", "plain"},
  };
  for (const Row& r : rows) EXPECT_EQ(ExpandBasicVars(r.text, facts), r.expanded) << r.text;

  facts.userName = "";
  facts.appData = "";
  facts.documents = "";
  EXPECT_EQ(ExpandBasicVars("%UserName%", facts), "default");
  EXPECT_EQ(ExpandBasicVars("%AppData%", facts), "/opt/quillet");  // the program's folder instead
  EXPECT_EQ(ExpandBasicVars("[%MyDocuments%]", facts), "[]");
  facts.userName = std::string(300, 'u');
  EXPECT_EQ(ExpandFixedVars("%UserName%", facts).size(), 256u);
  EXPECT_EQ(ExpandFixedVars("%AppDir%", facts), "%AppDir%");  // not a fixed macro

  EXPECT_EQ(ReplaceString("a", "b", "aaa"), "baa");
  EXPECT_EQ(AdExcludeTrailingBackslash("C:\\x\\"), "C:\\x");
  EXPECT_EQ(AdExcludeTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(ExtractFileDir("/a/b/c.txt"), "/a/b");
  EXPECT_EQ(ExtractFileName("C:\\a\\c.txt"), "c.txt");
}

// An engine component set up as this program sets it.
struct Program {
  testing::TempDir dir;
  fakes::FakeFacts facts;
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  platform::Env* env = &Env::Default();

  Program() { facts.programPath = dir.File("TavrinQuillet.exe"); }

  std::unique_ptr<TQuillSpellBase> Engine(TConfigStorage storage = csFile, bool thoroughByDefault = false) {
    auto engine = std::make_unique<TQuillSpellBase>(TEngineServices{env, keys.get(), &facts});
    engine->BeginLoading();
    engine->WriteConfigStorage(storage);
    engine->ConfigAvailableOptions = {soLiveSpelling, soLiveCorrect,   soUpcase,      soNumbers,  soHTML,    soInternet,
                                      soQuoted,       soAbbreviations, soPrimaryOnly, soRepeated, soDUalCaps};
    engine->ConfigDefaultActiveCustom = "Spell.adu";
    engine->ConfigDefaultOptions = {soLiveSpelling, soLiveCorrect, soInternet, soAbbreviations, soRepeated};
    engine->ConfigDefaultOptions.Set(soThoroughSuggestions, thoroughByDefault);
    engine->WriteQuoteChars(">");
    engine->EndLoading();
    return engine;
  }

  std::string ConfigPath() const { return dir.File("Spell.cfg"); }
};

const TSpellOptions kProgramDefaults{soLiveSpelling, soLiveCorrect, soInternet, soAbbreviations, soRepeated};

TEST(Configuration, FirstRunTakesTheDefaultsAndSavesEveryKey) {
  Program program;
  auto engine = program.Engine();
  TQuillConfig& config = engine->Configuration();
  EXPECT_EQ(config.ReadMainDictionaries().Items(), (std::vector<std::string>{"American.adm"}));
  EXPECT_EQ(config.ReadCustomDictionaries().Items(), (std::vector<std::string>{"Spell.adu"}));
  EXPECT_EQ(config.ReadActiveCustom(), "Spell.adu");
  EXPECT_EQ(config.ReadSpellOptions(), kProgramDefaults);
  EXPECT_EQ(config.ReadDialogX(), -1);
  EXPECT_EQ(config.ReadDialogY(), -1);
  EXPECT_EQ(config.ReadExpandedConfigID(), "alice");
  EXPECT_EQ(config.ReadExpandedFilename(), program.dir.path() + "\\Spell.cfg");
  EXPECT_TRUE(config.ReadModified());  // every load ends modified
  EXPECT_FALSE(Env::Default().FileExists(program.ConfigPath()));
  config.SaveConfiguration();
  EXPECT_FALSE(config.ReadModified());

  platform::IniFile ini(Env::Default(), program.ConfigPath());
  EXPECT_EQ(ini.ReadSection("alice"), (std::vector<std::string>{"_FirstRun",
                                                                "_Main_count",
                                                                "_Main_0",
                                                                "_Custom_count",
                                                                "_Custom_0",
                                                                "_MSWordCustom_count",
                                                                "_ActiveCustom",
                                                                "_soUpcase",
                                                                "_soNumbers",
                                                                "_soHTML",
                                                                "_soInternet",
                                                                "_soQuoted",
                                                                "_soAbbreviations",
                                                                "_soPrimaryOnly",
                                                                "_soRepeated",
                                                                "_soDUalCaps",
                                                                "_soLiveSpelling",
                                                                "_soLiveCorrect",
                                                                "_soUser1",
                                                                "_soUser2",
                                                                "_soUser3",
                                                                "_soUser4",
                                                                "_soThoroughSuggestions",
                                                                "_DialogX",
                                                                "_DialogY",
                                                                "_NewPaths_count",
                                                                "_UserData_count"}));
  EXPECT_EQ(ini.ReadString("alice", "_FirstRun", ""), "+");
  EXPECT_EQ(ini.ReadString("alice", "_Main_0", ""), "American.adm");
  EXPECT_EQ(ini.ReadString("alice", "_soInternet", ""), "+");
  EXPECT_EQ(ini.ReadString("alice", "_soUpcase", ""), "-");
  EXPECT_EQ(ini.ReadString("alice", "_DialogX", ""), "-1");
}

// Thorough suggestions came after the other options: a configuration that
// does not name them takes the host's default, one that does keeps its word.
TEST(Configuration, ThoroughSuggestionsFollowTheFileOrElseTheHostsDefault) {
  const struct {
    bool hostDefault;
    const char* stored;  // nullptr: the key is not in the file
    bool expected;
  } rows[] = {
      {true, nullptr, true}, {true, "-", false}, {true, "+", true},
      {false, nullptr, false}, {false, "+", true}, {false, "-", false},
  };
  for (const auto& row : rows) {
    Program program;
    std::string text = "[alice]\r\n_FirstRun=+\r\n_Main_count=1\r\n_Main_0=American.adm\r\n_soInternet=+\r\n";
    if (row.stored) text += std::string("_soThoroughSuggestions=") + row.stored + "\r\n";
    ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), program.ConfigPath(), text).ok());
    auto engine = program.Engine(csFile, row.hostDefault);
    const TSpellOptions options = engine->Configuration().ReadSpellOptions();
    EXPECT_EQ(options.Contains(soThoroughSuggestions), row.expected)
        << "host default " << row.hostDefault << ", stored " << (row.stored ? row.stored : "nothing");
    // The other options are as the file says, whatever the host's defaults.
    TSpellOptions expected{soInternet};
    expected.Set(soThoroughSuggestions, row.expected);
    EXPECT_EQ(options, expected);
  }
  // A first run takes the host's defaults, thorough suggestions with them.
  Program program;
  EXPECT_TRUE(program.Engine(csFile, true)->Configuration().ReadSpellOptions().Contains(soThoroughSuggestions));
}

// Text Windows-1252 holds is stored in it, as older versions wrote it, so
// their files stay byte for byte the same; other text is stored as UTF-8.
// In memory it is all UTF-8.
TEST(Configuration, FileKeepsWindows1252WhereItCanAndUtf8ElseWhere) {
  Program program;
  const std::string accented = "C:\\Users\\Jos\xC3\xA9\\Dicts";        // José
  const std::string cyrillic = "C:\\\xD0\x9A\xD0\xBE\xD1\x82\\Dicts";  // Кот
  {
    auto engine = program.Engine();
    engine->Configuration().ReadNewDictionaryPaths().Add(accented);
    engine->Configuration().WriteActiveCustom("Jos\xC3\xA9.adu");
  }
  std::string first;
  ASSERT_TRUE(platform::ReadWholeFile(Env::Default(), program.ConfigPath(), &first).ok());
  EXPECT_NE(first.find("_NewPaths_0=C:\\Users\\Jos\xE9\\Dicts\r\n"), std::string::npos) << first;
  EXPECT_NE(first.find("_ActiveCustom=Jos\xE9.adu\r\n"), std::string::npos) << first;
  {
    auto engine = program.Engine();  // loaded and saved again, unchanged
    EXPECT_EQ(engine->Configuration().ReadNewDictionaryPaths().Items(), std::vector<std::string>{accented});
    EXPECT_EQ(engine->Configuration().ReadActiveCustomName(), "Jos\xC3\xA9.adu");
  }
  std::string second;
  ASSERT_TRUE(platform::ReadWholeFile(Env::Default(), program.ConfigPath(), &second).ok());
  EXPECT_EQ(second, first);

  {
    auto engine = program.Engine();
    engine->Configuration().ReadNewDictionaryPaths().Add(cyrillic);
  }
  std::string third;
  ASSERT_TRUE(platform::ReadWholeFile(Env::Default(), program.ConfigPath(), &third).ok());
  EXPECT_NE(third.find("=" + cyrillic + "\r\n"), std::string::npos) << third;
  EXPECT_NE(third.find("Jos\xE9\\Dicts"), std::string::npos) << "the other path keeps its form";
  auto engine = program.Engine();
  EXPECT_EQ(engine->Configuration().ReadNewDictionaryPaths().Items(), (std::vector<std::string>{accented, cyrillic}));
}

TEST(Configuration, ChangesSurviveAndUsersKeepTheirOwnSections) {
  Program program;
  {
    auto engine = program.Engine();
    TQuillConfig& config = engine->Configuration();
    config.ReadMainDictionaries().Add("French.adm");
    config.WriteSpellOptions({soUpcase, soHTML});
    config.WriteDialogX(120);
    config.WriteDialogY(80);
    config.WriteActiveCustom("%AppDir%\\Mine.adu");
    config.ReadNewDictionaryPaths().Add("/z/dicts");
    config.ReadNewDictionaryPaths().Add("/a/dicts");
    config.ReadNewDictionaryPaths().Add("/A/DICTS");  // a duplicate, ignoring case
    config.SetConfigurationData("Colour", "blue");
  }  // destroyed: saved
  program.facts.userName = "bob";
  {
    auto engine = program.Engine();
    EXPECT_EQ(engine->Configuration().ReadMainDictionaries().Items(), (std::vector<std::string>{"American.adm"}));
  }
  program.facts.userName = "alice";
  auto engine = program.Engine();
  TQuillConfig& config = engine->Configuration();
  EXPECT_EQ(config.ReadMainDictionaries().Items(), (std::vector<std::string>{"American.adm", "French.adm"}));
  EXPECT_EQ(config.ReadSpellOptions(), (TSpellOptions{soUpcase, soHTML}));
  EXPECT_EQ(config.ReadDialogX(), 120);
  EXPECT_EQ(config.ReadDialogY(), 80);
  EXPECT_EQ(config.ReadActiveCustomName(), "%AppDir%\\Mine.adu");
  EXPECT_EQ(config.ReadActiveCustom(), program.dir.path() + "\\Mine.adu");
  EXPECT_EQ(config.ReadCustomDictionaries().Items(), (std::vector<std::string>{"Spell.adu", "%AppDir%\\Mine.adu"}));
  EXPECT_EQ(config.ReadNewDictionaryPaths().Items(), (std::vector<std::string>{"/a/dicts", "/z/dicts"}));
  EXPECT_EQ(config.GetConfigurationData("COLOUR"), "blue");
  EXPECT_EQ(config.GetConfigurationData("size"), "");
  platform::IniFile ini(Env::Default(), program.ConfigPath());
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"alice", "bob"}));
  EXPECT_EQ(ini.ReadString("alice", "User_Colour", ""), "blue");
}

TEST(Configuration, DamagedAndLeftOverValues) {
  Program program;
  platform::IniFile ini(Env::Default(), program.ConfigPath());
  ini.WriteString("alice", "_FirstRun", "+");
  ini.WriteString("alice", "_Main_count", "many");
  ini.WriteString("alice", "_Main_0", "American.adm");
  ini.WriteString("alice", "_Custom_count", "3");
  ini.WriteString("alice", "_MSWordCustom_count", "2000000000");  // must not stall the load
  ini.WriteString("alice", "_MSWordCustom_25", "w.dic");
  ini.WriteString("alice", "_Custom_0", "a.adu");
  ini.WriteString("alice", "_Custom_2", "c.adu");  // _Custom_1 missing: skipped
  ini.WriteString("alice", "_DialogX", "left");
  ini.WriteString("alice", "_soHTML", "yes");
  auto engine = program.Engine();
  TQuillConfig& config = engine->Configuration();
  EXPECT_EQ(config.ReadMainDictionaries().Count(), 0);
  EXPECT_EQ(config.ReadCustomDictionaries().Items(), (std::vector<std::string>{"a.adu", "c.adu"}));
  EXPECT_EQ(config.ReadMSWordCustomDictionaries().Items(), (std::vector<std::string>{"w.dic"}));
  EXPECT_EQ(config.ReadDialogX(), 0);
  EXPECT_EQ(config.ReadDialogY(), -1);
  EXPECT_EQ(config.ReadSpellOptions(), TSpellOptions{});  // only "+" sets an option
  EXPECT_EQ(config.ReadActiveCustom(), "");
  // A shorter list leaves the old entries behind; the count decides.
  config.ReadCustomDictionaries().Delete(1);
  config.SaveConfiguration();
  EXPECT_EQ(ini.ReadString("alice", "_Custom_count", ""), "1");
  EXPECT_EQ(ini.ReadString("alice", "_Custom_2", ""), "c.adu");
}

TEST(Configuration, ResetBringsBackTheDefaults) {
  Program program;
  auto engine = program.Engine();
  TQuillConfig& config = engine->Configuration();
  config.WriteSpellOptions({soUpcase});
  config.ReadMainDictionaries().Clear();
  config.WriteActiveCustom("Other.adu");
  config.SaveConfiguration();
  config.ResetConfigurationDefaults();
  EXPECT_EQ(config.ReadSpellOptions(), kProgramDefaults);
  EXPECT_EQ(config.ReadMainDictionaries().Items(), (std::vector<std::string>{"American.adm"}));
  EXPECT_EQ(config.ReadCustomDictionaries().Items(), (std::vector<std::string>{"Spell.adu"}));
  EXPECT_EQ(config.ReadActiveCustom(), "Spell.adu");
  // And a plain reload reads what is stored again.
  config.WriteSpellOptions({soNumbers});
  config.ReloadConfiguration();
  EXPECT_EQ(config.ReadSpellOptions(), (TSpellOptions{soNumbers}));
}

TEST(Configuration, StorageKinds) {
  Program program;
  {
    auto engine = program.Engine(csNone);
    engine->Configuration().WriteSpellOptions({soUpcase});
    engine->Configuration().ReloadConfiguration();
    EXPECT_EQ(engine->Configuration().ReadSpellOptions(), kProgramDefaults);  // always a first run
  }
  EXPECT_FALSE(Env::Default().FileExists(program.ConfigPath()));
  {
    auto engine = program.Engine(csRegistry);
    engine->Configuration().WriteDialogX(7);
  }
  auto key =
      program.keys->Open(platform::KeyRoot::CurrentUser, "Software\\Morvane\\Spelling\\TavrinQuillet\\alice", false);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->ReadString("_DialogX"), "7");
  EXPECT_EQ(key->ReadString("_FirstRun"), "+");
  {
    auto engine = program.Engine(csRegistry);
    EXPECT_EQ(engine->Configuration().ReadDialogX(), 7);
  }
  std::map<std::string, std::string> store;
  auto engine = program.Engine(csNone);
  engine->OnConfigReadString = [&](TQuillSpellBase*, const std::string& id, const std::string& k, const std::string&,
                                   std::string& value) {
    if (auto it = store.find(id + "/" + k); it != store.end()) value = it->second;
  };
  engine->OnConfigWriteString = [&](TQuillSpellBase*, const std::string& id, const std::string& k,
                                    const std::string& value) { store[id + "/" + k] = value; };
  engine->WriteConfigStorage(csCallback);
  engine->Configuration().WriteDialogY(9);
  engine->Configuration().ReloadConfiguration();
  EXPECT_EQ(store["alice/_DialogY"], "9");
  EXPECT_EQ(engine->Configuration().ReadDialogY(), 9);
}

TEST(Configuration, UnwritableFileIsSilent) {
  Program program;
  platform::FaultEnv faults(Env::Default());
  program.env = &faults;
  auto engine = program.Engine();
  engine->Configuration().WriteDialogX(3);
  faults.FailWritesAfter(0);
  int saved = 0;
  engine->OnConfigSaved = [&](TQuillSpellBase*) { ++saved; };
  engine->Configuration().SaveConfiguration();
  EXPECT_EQ(saved, 1);
  EXPECT_FALSE(engine->Configuration().ReadModified());
  faults.FailWritesAfter(-1);
  platform::IniFile ini(Env::Default(), program.ConfigPath());
  EXPECT_EQ(ini.ReadString("alice", "_DialogX", "none"), "none");
}

TEST(Configuration, ChangesReachTheComponent) {
  Program program;
  auto engine = program.Engine();
  int changed = 0, loaded = 0, listened = 0;
  engine->OnConfigChanged = [&](TQuillSpellBase*) { ++changed; };
  engine->OnConfigLoaded = [&](TQuillSpellBase*) { ++loaded; };
  int token = 0;
  engine->ConfigurationChangedListeners().Add(&token, [&](void* sender) {
    EXPECT_EQ(sender, engine.get());
    ++listened;
  });
  TQuillConfig& config = engine->Configuration();
  config.EnsureLoaded();
  EXPECT_EQ(loaded, 1);
  const int afterLoad = changed;
  EXPECT_GE(afterLoad, 1);
  config.ReadMainDictionaries().Add("x.adm");
  config.WriteDialogX(5);
  config.WriteDialogX(5);  // unchanged: nothing
  config.SetConfigurationData("k", "v");
  EXPECT_EQ(changed, afterLoad + 3);
  EXPECT_EQ(listened, changed);
  config.WriteLoaded(false);
  EXPECT_FALSE(config.ReadLoaded());
  config.ReadMSWordCustomDictionaries();  // reading loads again
  EXPECT_EQ(loaded, 2);
}

}  // namespace
}  // namespace tq::spell
