#include "app/core/settings.h"

#include <gtest/gtest.h>

#include "app/core/app_identity.h"
#include "tests/support/test_key_store.h"

namespace tq::app {
namespace {

using platform::KeyRoot;

std::unique_ptr<platform::Key> SettingsKey(platform::KeyStore& store, bool create = true) {
  return store.Open(KeyRoot::CurrentUser, "Software\\Morvane\\Tavrin Quillet", create);
}

TEST(SettingsTest, FirstStartCreatesTheKeyAndGivesTheDefaults) {
  tq::testing::TestKeyStore store;
  Settings s = LoadSettings(store);
  EXPECT_TRUE(store.raw().KeyExists(KeyRoot::CurrentUser, std::string(SettingsKeyPath)));
  EXPECT_TRUE(SettingsKey(store.raw())->ValueNames().empty()) << "loading writes nothing";
  EXPECT_EQ(s.MRUFileName, "");
  EXPECT_EQ(s.MainHotKey, 0);
  EXPECT_EQ(s.MenuHotKey, 0);
  EXPECT_EQ(s.Split, 152);
  EXPECT_TRUE(s.SaveFormat);
  EXPECT_TRUE(s.DefaultWithFormat);
  EXPECT_TRUE(s.HideAfterInsert);
  EXPECT_FALSE(s.ShowHotkeyInTree);
  EXPECT_FALSE(s.AutoExpandTree);
  EXPECT_TRUE(s.LiveSpelling);
  EXPECT_TRUE(s.ShowTrayReminder);
}

TEST(SettingsTest, StoredValuesOverrideTheDefaults) {
  tq::testing::TestKeyStore store;
  auto key = SettingsKey(store.raw());
  key->WriteString("MRUFileName", "C:\\Replies\\work.qdk");
  key->WriteInteger("MainHotKey", 0xC051);
  key->WriteInteger("MenuHotKey", 0x6052);
  key->WriteInteger("Split", -40);  // taken as it is
  key->WriteInteger("SaveFormat", 0);
  key->WriteInteger("DefaultWithFormat", 0);
  key->WriteInteger("HideAfterInsert", 0);
  key->WriteInteger("ShowHotkeyInTree", 7);  // any value but 0 is on
  key->WriteInteger("AutoExpandTree", -1);
  key->WriteInteger("LiveSpelling", 0);
  key->WriteInteger("ShowTrayReminder", 0);
  Settings s = LoadSettings(store);
  EXPECT_EQ(s.MRUFileName, "C:\\Replies\\work.qdk");
  EXPECT_EQ(s.MainHotKey, 0xC051);
  EXPECT_EQ(s.MenuHotKey, 0x6052);
  EXPECT_EQ(s.Split, -40);
  EXPECT_FALSE(s.SaveFormat);
  EXPECT_FALSE(s.DefaultWithFormat);
  EXPECT_FALSE(s.HideAfterInsert);
  EXPECT_TRUE(s.ShowHotkeyInTree);
  EXPECT_TRUE(s.AutoExpandTree);
  EXPECT_FALSE(s.LiveSpelling);
  EXPECT_FALSE(s.ShowTrayReminder);
}

TEST(SettingsTest, WronglyTypedValuesKeepTheirDefaultsAndTheRestIsRead) {
  tq::testing::TestKeyStore store;
  auto key = SettingsKey(store.raw());
  key->WriteInteger("MRUFileName", 5);
  key->WriteString("MainHotKey", "Ctrl+Q");
  key->WriteString("Split", "200");
  key->WriteString("SaveFormat", "0");
  key->WriteInteger("MenuHotKey", 0x4041);  // after a bad value: still read
  key->WriteInteger("ShowTrayReminder", 0);
  Settings s = LoadSettings(store);
  EXPECT_EQ(s.MRUFileName, "");
  EXPECT_EQ(s.MainHotKey, 0);
  EXPECT_EQ(s.Split, 152);
  EXPECT_TRUE(s.SaveFormat);
  EXPECT_EQ(s.MenuHotKey, 0x4041);
  EXPECT_FALSE(s.ShowTrayReminder);
}

TEST(SettingsTest, AKeyThatCannotBeOpenedGivesDefaultsAndSavesNothing) {
  tq::testing::TestKeyStore store;
  SettingsKey(store.raw())->WriteInteger("MainHotKey", 0x4051);
  store.refuse_open = true;
  EXPECT_EQ(LoadSettings(store).MainHotKey, 0);
  EXPECT_FALSE(SaveSettings(store, Settings{}, "x.qdk", 100));
  EXPECT_TRUE(store.log.empty());
}

TEST(SettingsTest, SavingWritesTheValuesInOrderAndRoundTrips) {
  tq::testing::TestKeyStore store;
  Settings s;
  s.MRUFileName = "C:\\old.qdk";  // replaced by the file open now
  s.MainHotKey = 0xC051;
  s.MenuHotKey = 0x6052;
  s.HideAfterInsert = false;
  s.ShowHotkeyInTree = true;
  ASSERT_TRUE(SaveSettings(store, s, "D:\\now.qdk", 230));
  const std::vector<std::string> order = {"MRUFileName",    "MainHotKey",        "MenuHotKey",       "Split",
                                          "SaveFormat",     "DefaultWithFormat", "HideAfterInsert",  "ShowHotkeyInTree",
                                          "AutoExpandTree", "LiveSpelling",      "ShowTrayReminder", "RestoreClipboard",
                                          "PasteMethods"};
  EXPECT_EQ(store.log, order);
  auto key = SettingsKey(store.raw());
  EXPECT_EQ(key->ReadInteger("HideAfterInsert"), 0) << "flags are integers 0 and 1";
  EXPECT_EQ(key->ReadInteger("SaveFormat"), 1);
  EXPECT_EQ(key->TypeOf("MRUFileName"), platform::ValueType::String);

  Settings back = LoadSettings(store);
  EXPECT_EQ(back.MRUFileName, "D:\\now.qdk");
  EXPECT_EQ(back.Split, 230);
  EXPECT_EQ(back.MainHotKey, 0xC051);
  EXPECT_EQ(back.MenuHotKey, 0x6052);
  EXPECT_FALSE(back.HideAfterInsert);
  EXPECT_TRUE(back.ShowHotkeyInTree);
}

TEST(SettingsTest, ClipboardAndPasteMethodsAreOffAndEmptyUntilStored) {
  tq::testing::TestKeyStore store;
  Settings first = LoadSettings(store);
  EXPECT_FALSE(first.RestoreClipboard);
  EXPECT_TRUE(first.PasteMethods.empty());
  first.RestoreClipboard = true;
  first.PasteMethods = {{PasteMethodRule::Match::Program, "notes.exe", PasteMethod::TypeText},
                        {PasteMethodRule::Match::Program, "term.exe", PasteMethod::ShiftInsert}};
  ASSERT_TRUE(SaveSettings(store, first, "", 100));
  auto key = SettingsKey(store.raw());
  EXPECT_EQ(key->ReadInteger("RestoreClipboard"), 1);
  EXPECT_EQ(key->ReadString("PasteMethods"), "notes.exe=Type the text|term.exe=Shift+Insert");
  Settings back = LoadSettings(store);
  EXPECT_TRUE(back.RestoreClipboard);
  EXPECT_EQ(back.PasteMethods, first.PasteMethods);
}

TEST(SettingsTest, NoLibraryOpenWhenSavingMeansNoneIsOpenedNextTime) {
  tq::testing::TestKeyStore store;
  Settings s;
  s.MRUFileName = "C:\\was-open-at-start.qdk";
  SaveSettings(store, s, "", 152);
  EXPECT_EQ(LoadSettings(store).MRUFileName, "");
}

TEST(SettingsTest, AFailingWriteEndsTheSaving) {
  tq::testing::TestKeyStore store;
  store.fail_write = 3;  // "Split"
  EXPECT_FALSE(SaveSettings(store, Settings{}, "a.qdk", 99));
  EXPECT_EQ(store.log, (std::vector<std::string>{"MRUFileName", "MainHotKey", "MenuHotKey"}));
  auto key = SettingsKey(store.raw());
  EXPECT_FALSE(key->ValueExists("Split"));
  EXPECT_FALSE(key->ValueExists("ShowTrayReminder"));
}

TEST(SettingsTest, TheTrayReminderNeedsTheWishAHotKeyAndALibrary) {
  struct Case {
    bool wanted;
    int32_t main, menu;
    const char* library;
    bool due;
  };
  const Case cases[] = {
      {true, 0xC051, 0, "a.qdk", true},   {true, 0, 0x6052, "a.qdk", true}, {false, 0xC051, 0, "a.qdk", false},
      {true, 0, 0, "a.qdk", false},       {true, 0xC051, 0x6052, "", false},
  };
  for (const Case& c : cases) {
    Settings s;
    s.ShowTrayReminder = c.wanted;
    s.MainHotKey = c.main;
    s.MenuHotKey = c.menu;
    s.MRUFileName = c.library;
    EXPECT_EQ(TrayReminderDue(s), c.due) << c.wanted << " " << c.main << " " << c.menu << " " << c.library;
  }
}

TEST(SettingsTest, TheSearchHotKeyIsStoredOnceChosen) {
  tq::testing::TestKeyStore store;
  Settings first = LoadSettings(store);
  EXPECT_EQ(first.SearchHotKey, kDefaultSearchHotKey);
  EXPECT_FALSE(first.SearchHotKeyChosen);
  // Not chosen: nothing stored, so a later start offers the default again.
  ASSERT_TRUE(SaveSettings(store, first, "", 152));
  EXPECT_EQ(store.log.back(), "PasteMethods");
  first.SearchHotKey = 0;  // chosen as none
  first.SearchHotKeyChosen = true;
  ASSERT_TRUE(SaveSettings(store, first, "", 152));
  EXPECT_EQ(store.log.back(), "SearchHotKey");
  const Settings back = LoadSettings(store);
  EXPECT_EQ(back.SearchHotKey, 0);
  EXPECT_TRUE(back.SearchHotKeyChosen);
}

}  // namespace
}  // namespace tq::app
