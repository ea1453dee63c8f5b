#include "app/core/spelling_places.h"

#include <gtest/gtest.h>

#include "app/core/spell_settings.h"
#include "platform/forwarding_env.h"
#include "spell/engine/dictionary_test_support.h"
#include "tests/support/temp_dir.h"

namespace tq::app {
namespace {

using platform::Env;

// The file system as a standard user sees Program Files: nothing below
// the given folder can be created or opened for writing.
class ReadOnlyFolderEnv final : public platform::ForwardingEnv {
 public:
  ReadOnlyFolderEnv(std::string folder) : ForwardingEnv(Env::Default()), folder_(std::move(folder)) {}
  platform::Status OpenFile(const std::string& path, platform::FileAccess access, platform::FileShare share,
                            platform::FileCreate create, std::unique_ptr<platform::File>* file) override {
    if (access != platform::FileAccess::Read && Below(path)) return platform::Status::Error("Access denied", 5);
    return base().OpenFile(path, access, share, create, file);
  }
  platform::Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override {
    if (Below(to)) return platform::Status::Error("Access denied", 5);
    return base().CopyFileTo(from, to, overwrite);
  }

 private:
  bool Below(const std::string& path) const { return path.compare(0, folder_.size(), folder_) == 0; }
  std::string folder_;
};

std::string Contents(const std::string& path) {
  std::string text;
  EXPECT_TRUE(platform::ReadWholeFile(Env::Default(), path, &text).ok()) << path;
  return text;
}

TEST(SpellingPlaces, WritableProgramFolderKeepsEverythingBesideTheProgram) {
  testing::TempDir program, appData;
  const SpellingPlaces places = ChooseSpellingPlaces(Env::Default(), program.path() + "\\", appData.path());
  EXPECT_TRUE(places.inProgramFolder);
  EXPECT_EQ(places.userFolder, program.path());
  EXPECT_EQ(places.configFilename, program.path() + "\\Spell.cfg");
  EXPECT_EQ(places.dictionaryFolders, std::vector<std::string>{program.path()});
  // The probe leaves nothing behind, and nothing is made in the user's folder.
  std::vector<std::string> names;
  ASSERT_TRUE(Env::Default().ListFiles(program.path(), "*", &names).ok());
  EXPECT_TRUE(names.empty());
  EXPECT_FALSE(Env::Default().DirectoryExists(appData.File("Morvane")));
}

TEST(SpellingPlaces, ReadOnlyProgramFolderMovesTheUserFilesToAppData) {
  testing::TempDir program, appData;
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), program.File("American.adm"), "main").ok());
  ReadOnlyFolderEnv env(program.path());
  EXPECT_FALSE(FolderWritable(env, program.path()));

  const SpellingPlaces places = ChooseSpellingPlaces(env, program.path(), appData.path());
  const std::string user = appData.path() + "\\Morvane\\Tavrin Quillet";
  EXPECT_FALSE(places.inProgramFolder);
  EXPECT_EQ(places.userFolder, user);
  EXPECT_EQ(places.configFilename, user + "\\Spell.cfg");
  EXPECT_EQ(places.dictionaryFolders, (std::vector<std::string>{user, program.path()}));
  EXPECT_TRUE(Env::Default().DirectoryExists(user));
  // The installed main dictionary is not copied.
  EXPECT_FALSE(Env::Default().FileExists(user + "\\American.adm"));
}

TEST(SpellingPlaces, FilesTheUserWroteBesideTheProgramAreCopiedOnce) {
  testing::TempDir program, appData;
  for (const char* name : {"Spell.cfg", "Spell.adu", "Work.adu", "Spell.adl", "American.adm", "Readme.RTF"})
    ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), program.File(name), std::string("old ") + name).ok());
  // A Spell.cfg that is there but cannot be written counts as read-only.
  ReadOnlyFolderEnv env(program.path());
  const SpellingPlaces places = ChooseSpellingPlaces(env, program.path(), appData.path());
  ASSERT_FALSE(places.inProgramFolder);
  const std::string user = places.userFolder + "\\";
  for (const char* name : {"Spell.cfg", "Spell.adu", "Work.adu", "Spell.adl"})
    EXPECT_EQ(Contents(user + name), std::string("old ") + name);
  for (const char* name : {"American.adm", "Readme.RTF"}) EXPECT_FALSE(Env::Default().FileExists(user + name));

  // Later starts copy nothing again: a dictionary the user deleted stays deleted,
  // and the user's newer words are not overwritten.
  ASSERT_TRUE(Env::Default().RemoveFile(user + "Work.adu").ok());
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), user + "Spell.adu", "newer").ok());
  ChooseSpellingPlaces(env, program.path(), appData.path());
  EXPECT_FALSE(Env::Default().FileExists(user + "Work.adu"));
  EXPECT_EQ(Contents(user + "Spell.adu"), "newer");
}

TEST(SpellingPlaces, WithoutAnAppDataFolderTheProgramFolderIsKept) {
  testing::TempDir program;
  ReadOnlyFolderEnv env(program.path());
  const SpellingPlaces places = ChooseSpellingPlaces(env, program.path(), "");
  EXPECT_TRUE(places.inProgramFolder);
  EXPECT_EQ(places.configFilename, program.path() + "\\Spell.cfg");
}

// The engine set up as the program does it, under a read-only program
// folder: the main dictionary is read beside the program, while the
// configuration, the added words and a new custom dictionary are written
// in the user's folder.
TEST(SpellingPlaces, EngineReadsBesideTheProgramAndWritesInTheUserFolder) {
  testing::TempDir program, appData;
  spell::testsupport::WriteMainDictionary(program.File("American.adm"), {"the", "cat", "sat"});
  ReadOnlyFolderEnv env(program.path());
  const SpellingPlaces places = ChooseSpellingPlaces(env, program.path(), appData.path());
  spell::fakes::FakeFacts facts;
  facts.userName = "alice";
  facts.programPath = program.File("TavrinQuillet.exe");
  auto keys = platform::NewMemoryKeyStore();
  {
    spell::TQuillSpellBase engine({&env, keys.get(), &facts});
    ApplySpellSettings(engine, places);
    engine.Configuration().EnsureLoaded();
    ASSERT_EQ(engine.ReadMainDictionaryCount(), 1);
    EXPECT_EQ(engine.ReadMainDictionary(0)->ReadFilename(), program.path() + "\\American.adm");
    EXPECT_TRUE(engine.WordExists("cat"));
    ASSERT_NE(engine.ReadActiveCustomDictionary(), nullptr);
    EXPECT_EQ(engine.ReadActiveCustomDictionary()->ReadFilename(), places.userFolder + "\\Spell.adu");
    engine.ReadActiveCustomDictionary()->AddIgnore("quokka");
    EXPECT_TRUE(engine.CreateNewCustomDictionary("Work.txt"));
    EXPECT_TRUE(engine.WordExists("quokka"));
  }
  const std::string cfg = Contents(places.userFolder + "\\Spell.cfg");
  EXPECT_NE(cfg.find("[alice]"), std::string::npos) << cfg;
  EXPECT_NE(cfg.find("_Main_0=American.adm"), std::string::npos) << cfg;
  EXPECT_NE(cfg.find("_Custom_1=Work.adu"), std::string::npos) << cfg;
  EXPECT_TRUE(Env::Default().FileExists(places.userFolder + "\\Work.adu"));
  EXPECT_TRUE(Env::Default().FileExists(places.userFolder + "\\Spell.adu"));
  EXPECT_FALSE(Env::Default().FileExists(program.File("Spell.cfg")));
  EXPECT_FALSE(Env::Default().FileExists(program.File("Spell.adu")));

  // A second engine (the next start) reads the word back.
  spell::TQuillSpellBase again({&env, keys.get(), &facts});
  ApplySpellSettings(again, places);
  EXPECT_TRUE(again.WordExists("quokka"));
}

}  // namespace
}  // namespace tq::app
