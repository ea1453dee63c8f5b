#include <gtest/gtest.h>

#include "spell/engine/quill_spell_base.h"
#include "spell/engine/dictionary_test_support.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using platform::Env;
using testsupport::DictionaryEngine;
using testsupport::WriteMainDictionary;

const std::vector<std::string> kEnglish = {"the", "cat", "sat", "on", "mat", "house", "and", "dog"};
const std::vector<std::string> kFrench = {"le", "chat", "maison", "et", "chien", "sur"};

TEST(DictionarySet, MainDictionariesFromFoldersAndPaths) {
  testing::TempDir a, b;
  WriteMainDictionary(a.File("English.adm"), kEnglish);
  WriteMainDictionary(b.File("English.adm"), kEnglish);
  WriteMainDictionary(b.File("French.adm"), kFrench, 1036);
  // Listed twice: two objects. A path is taken as it is; a missing file is left out.
  DictionaryEngine e({a.path(), b.path()}, {"English.adm", "English.adm", b.File("French.adm"), "Missing.adm"});
  TQuillSpellBase& spell = e.Loaded();
  ASSERT_EQ(spell.ReadMainDictionaryCount(), 3);
  EXPECT_EQ(spell.ReadMainDictionary(0)->ReadFilename(), a.path() + "\\English.adm");  // the first folder wins
  EXPECT_EQ(spell.ReadMainDictionary(2)->ReadFilename(), b.File("French.adm"));
  EXPECT_TRUE(spell.ReadEnglishLoaded());
  EXPECT_EQ(spell.ReadTextPrimaryLanguage(), 1033u);
  // Each file name once, though two folders hold English.adm.
  EXPECT_EQ(spell.ReadAvailableMain().Items(), (std::vector<std::string>{"English.adm", "French.adm"}));
  EXPECT_TRUE(spell.WordExists("maison"));
  EXPECT_FALSE(spell.WordExists("maisson"));
}

TEST(DictionarySet, BareCustomNameIsCreatedInTheFirstFolder) {
  testing::TempDir root;
  const std::string first = root.File("made/for/us"), second = root.File("second");
  DictionaryEngine e({first, second}, {}, "%ConfigID%.adu");
  TQuillSpellBase& spell = e.Loaded();
  EXPECT_TRUE(Env::Default().DirectoryExists(first));  // created with its parents
  ASSERT_NE(spell.ReadActiveCustomDictionary(), nullptr);
  EXPECT_EQ(spell.ReadActiveCustomDictionary()->ReadFilename(), first + "\\alice.adu");
  // An existing file in a later folder is found there instead.
  TCustomDictionary existing;
  existing.WriteFilename(second + "/extra.adu");
  existing.AddIgnore("quokka");
  existing.Save();
  EXPECT_TRUE(spell.EnableCustomDictionary("extra.adu", true));
  ASSERT_EQ(spell.ReadCustomDictionaryCount(), 1);
  EXPECT_EQ(spell.ReadCustomDictionary(0)->ReadFilename(), second + "\\extra.adu");
  EXPECT_TRUE(spell.WordExists("quokka"));
}

TEST(DictionarySet, DisablingTheActiveCustomDictionary) {
  testing::TempDir dir;
  DictionaryEngine e({dir.path()}, {}, "one.adu");
  TQuillSpellBase& spell = e.Loaded();
  EXPECT_TRUE(spell.CreateNewCustomDictionary("two.txt"));  // the extension becomes .adu
  EXPECT_TRUE(Env::Default().FileExists(dir.File("two.adu")));
  EXPECT_EQ(spell.Configuration().ReadCustomDictionaries().Items(), (std::vector<std::string>{"one.adu", "two.adu"}));
  EXPECT_EQ(spell.ReadCustomDictionaryCount(), 1);  // the active one is held apart

  EXPECT_TRUE(spell.EnableCustomDictionary("one.adu", false));
  EXPECT_EQ(spell.Configuration().ReadActiveCustomName(), "two.adu");
  ASSERT_NE(spell.ReadActiveCustomDictionary(), nullptr);
  EXPECT_EQ(spell.ReadActiveCustomDictionary()->ReadFilename(), dir.path() + "\\two.adu");

  EXPECT_TRUE(spell.EnableCustomDictionary("two.adu", false));
  EXPECT_EQ(spell.Configuration().ReadActiveCustomName(), "");
  EXPECT_EQ(spell.ReadActiveCustomDictionary(), nullptr);
}

TEST(DictionarySet, RenameAndRemove) {
  testing::TempDir dir;
  DictionaryEngine e({dir.path()}, {}, "mine.adu");
  TQuillSpellBase& spell = e.Loaded();
  spell.ReadActiveCustomDictionary()->AddIgnore("zyzzyva");
  ASSERT_TRUE(spell.CreateNewCustomDictionary("other.adu"));

  EXPECT_FALSE(spell.RenameCustomDictionary("mine.adu", "mine.adu"));   // same name
  EXPECT_FALSE(spell.RenameCustomDictionary("mine.adu", "other.adu"));  // exists
  EXPECT_FALSE(spell.RenameCustomDictionary("absent.adu", "new.adu"));  // not available
  EXPECT_EQ(spell.Configuration().ReadActiveCustomName(), "mine.adu");

  EXPECT_TRUE(spell.RenameCustomDictionary("mine.adu", "renamed"));
  EXPECT_FALSE(Env::Default().FileExists(dir.File("mine.adu")));
  EXPECT_TRUE(Env::Default().FileExists(dir.File("renamed.adu")));
  EXPECT_EQ(spell.Configuration().ReadActiveCustomName(), "renamed.adu");
  // The unsaved word went along with the file.
  EXPECT_TRUE(spell.WordExists("zyzzyva"));

  EXPECT_TRUE(spell.RemoveCustomDictionary("other.adu"));
  EXPECT_FALSE(Env::Default().FileExists(dir.File("other.adu")));
  EXPECT_FALSE(spell.Configuration().ReadCustomDictionaries().Contains("other.adu"));
  EXPECT_FALSE(spell.ReadAvailableCustom().Contains("other.adu"));
  EXPECT_TRUE(spell.ReadAvailableCustom().Contains("renamed.adu"));
}

TEST(DictionarySet, UnsavedWordsAreSavedBeforeAnotherObjectOpensTheFile) {
  testing::TempDir dir;
  DictionaryEngine e({dir.path()}, {}, "mine.adu");
  TQuillSpellBase& spell = e.Loaded();
  spell.ReadActiveCustomDictionary()->AddIgnore("frabjous");
  std::unique_ptr<TCustomDictionary> second = spell.GetCustomDictionary("mine.adu");
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(second->IgnoreExists("frabjous"));
}

// The list opens as it stands: in its order, a name listed twice as two
// objects, names that differ in case as written, the active one apart, and
// a file that is no user dictionary left out.
TEST(DictionarySet, CustomListOpensAsItStands) {
  testing::TempDir a, b;
  const auto write = [](const std::string& path, const std::string& word) {
    TCustomDictionary d;
    d.WriteFilename(path);
    d.AddIgnore(word);
    d.Save();
  };
  write(b.File("Zeta.adu"), "zetaword");
  write(b.File("other.adu"), "pathword");
  write(a.File("active.adu"), "activeword");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), b.File("text.adu"), "not a word list\r\n").ok());
  DictionaryEngine e({a.path(), b.path()}, {}, "active.adu");
  e->ConfigDefaultCustom = {"Zeta.adu", "new.adu",           "NEW.adu",   "text.adu",
                            "Zeta.adu", b.File("other.adu"), "active.adu"};
  TQuillSpellBase& spell = e.Loaded();
  std::vector<std::string> opened;
  for (int i = 0; i < spell.ReadCustomDictionaryCount(); ++i)
    opened.push_back(spell.ReadCustomDictionary(i)->ReadFilename());
  EXPECT_EQ(opened, (std::vector<std::string>{b.path() + "\\Zeta.adu", a.path() + "\\new.adu", a.path() + "\\NEW.adu",
                                              b.path() + "\\Zeta.adu", b.File("other.adu")}));
  ASSERT_NE(spell.ReadActiveCustomDictionary(), nullptr);
  EXPECT_EQ(spell.ReadActiveCustomDictionary()->ReadFilename(), a.path() + "\\active.adu");
  for (const char* word : {"zetaword", "pathword", "activeword"}) EXPECT_TRUE(spell.WordExists(word)) << word;
  EXPECT_FALSE(spell.WordExists("Zetaword"));

  // Made another dictionary active, the old one's unsaved words are in the
  // list's object of the same file.
  spell.ReadActiveCustomDictionary()->AddIgnore("frabjous");
  spell.Configuration().WriteActiveCustom(b.File("other.adu"));
  ASSERT_EQ(spell.ReadCustomDictionaryCount(), 5);
  EXPECT_EQ(spell.ReadCustomDictionary(4)->ReadFilename(), a.path() + "\\active.adu");
  EXPECT_TRUE(spell.ReadCustomDictionary(4)->IgnoreExists("frabjous"));
}

TEST(DictionarySet, OrderFollowsTheWordsFound) {
  testing::TempDir dir;
  WriteMainDictionary(dir.File("English.adm"), kEnglish, 1033);
  WriteMainDictionary(dir.File("French.adm"), kFrench, 1036);
  const std::vector<std::string> text = {"the", "cat", "sat", "on", "the", "mat", "chat"};
  for (bool englishFirst : {true, false}) {
    SCOPED_TRACE(englishFirst);
    DictionaryEngine e({dir.path()}, englishFirst ? TStringList{"English.adm", "French.adm"}
                                                  : TStringList{"French.adm", "English.adm"});
    TQuillSpellBase& spell = e.Loaded();
    auto* cutter = dynamic_cast<TMainParsingEngine*>(spell.ReadParsingEngine());
    ASSERT_NE(cutter, nullptr);
    spell.OptimizeMainDictionaryOrder();  // as a run starts
    EXPECT_EQ(cutter->ReadFrenchExceptions(), !englishFirst);
    for (const std::string& w : text) spell.WordExists(w);
    spell.OptimizeMainDictionaryOrder();
    EXPECT_EQ(spell.ReadTextPrimaryLanguage(), 1033u);
    EXPECT_EQ(spell.ReadSuggestions().ReadLanguage(), 1033);
    EXPECT_FALSE(cutter->ReadFrenchExceptions());
  }
}

TEST(DictionarySet, WordDictionariesAndTheirRegistryList) {
  testing::TempDir dir;
  DictionaryEngine e({dir.path()}, {});
  TQuillSpellBase& spell = e.Loaded();
  EXPECT_EQ(spell.ReadAvailableMSWordCustom().Count(), 0);  // nothing in the registry
  const std::string path = dir.File("word.dic");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), path, "blorft\r\nsnarg\r\n").ok());
  EXPECT_FALSE(spell.EnableWordDictionary(dir.File("absent.dic"), true));
  EXPECT_TRUE(spell.EnableWordDictionary(path, true));
  EXPECT_EQ(spell.ReadMSWordDictionaryCount(), 1);
  EXPECT_TRUE(spell.WordExists("snarg"));
  EXPECT_TRUE(spell.EnableWordDictionary(path, false));
  EXPECT_FALSE(spell.WordExists("snarg"));
}

TEST(DictionarySet, UnloadKeepsObjectsThatReopenOnDemand) {
  testing::TempDir dir;
  WriteMainDictionary(dir.File("English.adm"), kEnglish);
  DictionaryEngine e({dir.path()}, {"English.adm"});
  TQuillSpellBase& spell = e.Loaded();
  EXPECT_TRUE(spell.WordExists("cat"));
  spell.WriteKeepDictionariesActive(true);
  EXPECT_TRUE(spell.ReadMainDictionary(0)->ReadLoaded());
  spell.WriteKeepDictionariesActive(false);
  EXPECT_FALSE(spell.ReadMainDictionary(0)->ReadLoaded());
  EXPECT_TRUE(spell.WordExists("dog"));
  EXPECT_TRUE(spell.ReadMainDictionary(0)->ReadLoaded());
}

TEST(DictionarySet, ChangedEventAndMappingSetter) {
  testing::TempDir dir;
  WriteMainDictionary(dir.File("English.adm"), kEnglish);
  DictionaryEngine e({dir.path()}, {"English.adm"});
  int changes = 0;
  e->OnDictionariesChanged = [&](TQuillSpellBase*) { ++changes; };
  TQuillSpellBase& spell = e.Loaded();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(spell.ReadMappingDictionary(), nullptr);
  spell.WriteMappingDictionary("map.adu");
  EXPECT_EQ(changes, 2);
  ASSERT_NE(spell.ReadMappingDictionary(), nullptr);
  spell.WriteMappingDictionary("map.adu");  // unchanged: nothing
  EXPECT_EQ(changes, 2);
  ASSERT_NE(spell.ReadLearningDictionary(), nullptr);
  spell.WriteLearnSuggestions(false);
  EXPECT_EQ(spell.ReadLearningDictionary(), nullptr);
}

TEST(DictionarySet, FolderChosenInTheDialogIsSearched) {
  testing::TempDir first, chosen;
  WriteMainDictionary(chosen.File("Extra.adm"), kFrench, 1036);
  DictionaryEngine e({first.path()}, {"Extra.adm"});
  TQuillSpellBase& spell = e.Loaded();
  EXPECT_EQ(spell.ReadMainDictionaryCount(), 0);
  spell.SetupAddDictionaryDir(nullptr);  // no handler: nothing chosen
  EXPECT_EQ(spell.Configuration().ReadNewDictionaryPaths().Count(), 0);
  spell.OnShowAddDictionaryDir = [&](TQuillSpellBase*, void*, std::string& folder) { folder = chosen.path(); };
  spell.SetupAddDictionaryDir(nullptr);
  EXPECT_EQ(spell.ReadSearchFolders().back(), chosen.path());
  EXPECT_EQ(spell.ReadMainDictionaryCount(), 1);
  EXPECT_TRUE(spell.ReadAvailableMain().Contains("Extra.adm"));
}

}  // namespace
}  // namespace tq::spell
