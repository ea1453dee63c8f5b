#include "app/core/history_list.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <vector>

#include "app/core/app_identity.h"
#include "app/core/recent_file_texts.h"
#include "app/core/test_env.h"
#include "tests/support/test_key_store.h"

namespace tq::app {
namespace {

class ListMenu final : public MenuItems {
 public:
  std::vector<MenuItemData> items;
  int Count() const override { return static_cast<int>(items.size()); }
  MenuItemData Item(int index) const override { return items.at(index); }
  void SetItem(int index, const MenuItemData& item) override { items.at(index) = item; }
  void Append(const MenuItemData& item) override { items.push_back(item); }
  void Delete(int index) override { items.erase(items.begin() + index); }

  // Captions joined by '|', disabled items in brackets.
  std::string Captions() const {
    std::string out;
    for (const auto& item : items) {
      if (!out.empty()) out += "|";
      out += item.enabled ? item.caption : "[" + item.caption + "]";
    }
    return out;
  }
};

const std::string kMruPath = std::string(SettingsKeyPath) + "\\MRU";

class HistoryListTest : public ::testing::Test {
 protected:
  HistoryListTest() {
    for (const char* p : {"C:\\Replies\\p1.qdk", "C:\\Replies\\p2.qdk", "C:\\Replies\\p3.qdk", "C:\\Replies\\p4.qdk",
                          "D:\\Old\\p5.qdk", "C:\\Replies\\P1.qdk", "E:p6.qdk"})
      env_.files.insert(p);
  }

  // As the main window sets it up.
  void Configure(THistoryList& list, MenuItems& menu) {
    list.SetMaxItems(5);
    list.SetRegKey("MRU");
    list.SetBaseMenu(&menu);
    list.SetRegPath(std::string(SettingsKeyPath));
  }

  std::vector<std::string> Paths(const THistoryList& list) {
    std::vector<std::string> paths;
    for (int i = 0; i < list.GetCount(); ++i) paths.push_back(list.GetItem(i)->hint);
    return paths;
  }

  void Store(const std::vector<std::pair<std::string, std::string>>& values) {
    auto key = keys_.raw().Open(platform::KeyRoot::CurrentUser, kMruPath, true);
    for (const auto& [name, value] : values) key->WriteString(name, value);
  }

  testing::KnownPathsEnv env_;
  tq::testing::TestKeyStore keys_;
  ListMenu menu_;
};

TEST_F(HistoryListTest, MostRecentFirstDuplicatesMoveUpOldestFallsOff) {
  THistoryList list(keys_, env_);
  Configure(list, menu_);
  EXPECT_EQ(menu_.Captions(), "[(none)]");
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.GetItem(0), std::nullopt);

  list.AddFilename("C:\\Replies\\p1.qdk");
  list.AddFilename("C:\\Replies\\p2.qdk", "ignored name");
  list.AddFilename("C:\\Replies\\p3.qdk");
  EXPECT_EQ(menu_.Captions(), "p3.qdk|p2.qdk|p1.qdk") << "placeholder gone, no separator in an empty menu";
  list.AddFilename("C:\\Replies\\p2.qdk");
  EXPECT_EQ(menu_.Captions(), "p2.qdk|p3.qdk|p1.qdk");

  list.SetMaxItems(3);
  list.AddFilename("C:\\Replies\\p4.qdk");
  EXPECT_EQ(Paths(list),
            (std::vector<std::string>{"C:\\Replies\\p4.qdk", "C:\\Replies\\p2.qdk", "C:\\Replies\\p3.qdk"}));
  // Letter case makes a different path; the caption follows the last '\' or ':'.
  list.AddFilename("C:\\Replies\\P1.qdk");
  list.AddFilename("E:p6.qdk");
  EXPECT_EQ(menu_.Captions(), "p6.qdk|P1.qdk|p4.qdk");
}

TEST_F(HistoryListTest, MissingOrEmptyPathsChangeNothing) {
  THistoryList list(keys_, env_);
  Configure(list, menu_);
  list.AddFilename("C:\\Replies\\gone.qdk");
  list.AddFilename("");
  EXPECT_EQ(menu_.Captions(), "[(none)]");
  list.AddFilename("C:\\Replies\\p1.qdk");
  list.AddFilename("C:\\Replies\\gone.qdk");
  EXPECT_EQ(menu_.Captions(), "p1.qdk");

  // Folders count only as folders, and only with Directories.
  env_.folders.insert("C:\\Replies");
  list.AddFilename("C:\\Replies");
  EXPECT_EQ(list.GetCount(), 1);
  list.SetDirectories(true);
  list.AddFilename("C:\\Replies");
  list.AddFilename("C:\\Replies\\p2.qdk");
  EXPECT_EQ(menu_.Captions(), "Replies|p1.qdk");
}

TEST_F(HistoryListTest, EntriesFollowTheOwnersItemsAfterASeparator) {
  menu_.items = {{"&Clear list", "", true, 0}, {"(empty)", "", false, 0}};
  THistoryList list(keys_, env_);
  Configure(list, menu_);
  EXPECT_EQ(menu_.Captions(), "&Clear list|[(empty)]") << "no placeholder in a menu with items";
  list.AddFilename("C:\\Replies\\p1.qdk");
  list.AddFilename("C:\\Replies\\p2.qdk");
  EXPECT_EQ(menu_.Captions(), "&Clear list|[(empty)]|-|p2.qdk|p1.qdk");
  EXPECT_EQ(list.GetCount(), 2);

  std::vector<std::string> clicked;
  list.OnClick = [&](THistoryList& sender, const std::string& file) {
    EXPECT_EQ(&sender, &list);
    clicked.push_back(file);
  };
  for (int i = 0; i < menu_.Count(); ++i) list.ItemClicked(i);
  EXPECT_EQ(clicked, (std::vector<std::string>{"C:\\Replies\\p2.qdk", "C:\\Replies\\p1.qdk"}))
      << "only entries report, with their full paths";
}

TEST_F(HistoryListTest, LoadsStoredEntriesOnceConfigured) {
  Store({{"File0", "C:\\Replies\\p1.qdk"},
         {"Name0", "p1.qdk"},
         {"File1", "C:\\Replies\\gone.qdk"},
         {"Name1", "gone.qdk"},
         {"File2", "C:\\Replies\\p2.qdk"},
         {"Name2", "p2.qdk"},
         {"File3", "C:\\Replies\\p3.qdk"}});  // no Name3: the list ends before it
  THistoryList list(keys_, env_);
  list.SetRegKey("MRU");
  list.SetBaseMenu(&menu_);
  list.SetRegPath(std::string(SettingsKeyPath));
  EXPECT_EQ(list.GetCount(), 0) << "nothing loads before MaxItems is set";
  list.SetMaxItems(5);
  list.SetRegPath(std::string(SettingsKeyPath));
  EXPECT_EQ(Paths(list), (std::vector<std::string>{"C:\\Replies\\p1.qdk", "C:\\Replies\\p2.qdk"}));
}

TEST_F(HistoryListTest, LoadingStopsAtAValueThatIsNotText) {
  Store({{"File0", "C:\\Replies\\p1.qdk"}, {"Name0", "p1.qdk"}, {"Name1", "p2.qdk"}});
  keys_.raw().Open(platform::KeyRoot::CurrentUser, kMruPath, false)->WriteInteger("File1", 7);
  THistoryList list(keys_, env_);
  Configure(list, menu_);
  EXPECT_EQ(Paths(list), (std::vector<std::string>{"C:\\Replies\\p1.qdk"}));
}

TEST_F(HistoryListTest, MoreStoredThanMaxItemsKeepsTheMostRecent) {
  Store({{"File0", "C:\\Replies\\p1.qdk"},
         {"Name0", "x"},
         {"File1", "C:\\Replies\\p2.qdk"},
         {"Name1", "x"},
         {"File2", "C:\\Replies\\p3.qdk"},
         {"Name2", "x"}});
  THistoryList list(keys_, env_);
  list.SetMaxItems(2);
  list.SetRegKey("MRU");
  list.SetBaseMenu(&menu_);
  list.SetRegPath(std::string(SettingsKeyPath));
  EXPECT_EQ(Paths(list), (std::vector<std::string>{"C:\\Replies\\p1.qdk", "C:\\Replies\\p2.qdk"}));
}

TEST_F(HistoryListTest, PlaceholderRegPathNeverLoadsOrSaves) {
  Store({{"File0", "C:\\Replies\\p1.qdk"}, {"Name0", "p1.qdk"}});
  THistoryList list(keys_, env_);
  list.SetMaxItems(5);
  list.SetBaseMenu(&menu_);
  list.SetRegKey("MRU");  // RegPath still "Company\Program Name"
  EXPECT_EQ(list.GetCount(), 0);
  list.AddFilename("C:\\Replies\\p2.qdk");
  list.Save();
  list.SetRegPath("");
  list.Save();
  EXPECT_TRUE(keys_.log.empty());
}

TEST_F(HistoryListTest, LoweringMaxItemsDropsTheOldestAndSaveDeletesTheirValues) {
  THistoryList list(keys_, env_);
  Configure(list, menu_);
  for (const char* p :
       {"D:\\Old\\p5.qdk", "C:\\Replies\\p4.qdk", "C:\\Replies\\p3.qdk", "C:\\Replies\\p2.qdk", "C:\\Replies\\p1.qdk"})
    list.AddFilename(p);
  list.Save();
  EXPECT_EQ(list.GetCount(), 5);
  keys_.log.clear();

  list.SetMaxItems(3);
  EXPECT_EQ(menu_.Captions(), "p1.qdk|p2.qdk|p3.qdk");
  list.Save();
  EXPECT_EQ(keys_.log, (std::vector<std::string>{"File0", "Name0", "File1", "Name1", "File2", "Name2", "-File3",
                                                 "-Name3", "-File4", "-Name4", "-File5"}));
  auto key = keys_.raw().Open(platform::KeyRoot::CurrentUser, kMruPath, false);
  EXPECT_EQ(key->ReadString("File0"), "C:\\Replies\\p1.qdk");
  EXPECT_EQ(key->ReadString("Name2"), "p3.qdk");
  EXPECT_FALSE(key->ValueExists("File3"));

  // A fresh list reads back what was saved.
  ListMenu other;
  THistoryList again(keys_, env_);
  Configure(again, other);
  EXPECT_EQ(other.Captions(), "p1.qdk|p2.qdk|p3.qdk");
}

TEST_F(HistoryListTest, AnEmptyListSavesNothing) {
  Store({{"File0", "C:\\Replies\\gone.qdk"}, {"Name0", "gone.qdk"}});
  THistoryList list(keys_, env_);
  Configure(list, menu_);
  EXPECT_EQ(list.GetCount(), 0);
  list.Save();
  EXPECT_TRUE(keys_.log.empty());
  EXPECT_EQ(keys_.raw().Open(platform::KeyRoot::CurrentUser, kMruPath, false)->ReadString("File0"),
            "C:\\Replies\\gone.qdk");
}

TEST_F(HistoryListTest, SettingsThatAreIgnoredOrCorrected) {
  THistoryList list(keys_, env_);
  list.SetMaxItems(0);
  EXPECT_EQ(list.MaxItems(), 5);
  list.SetMaxItems(-3);
  EXPECT_EQ(list.MaxItems(), 5);

  list.SetHelpContext(112);
  list.SetBaseMenu(&menu_);
  ListMenu other;
  list.SetBaseMenu(&other);  // the first menu stays
  list.SetBaseMenu(nullptr);
  list.AddFilename("C:\\Replies\\p1.qdk");
  EXPECT_EQ(menu_.Captions(), "p1.qdk");
  EXPECT_EQ(other.Captions(), "") << "a later menu is ignored and gets no placeholder either";
  EXPECT_EQ(menu_.items[0].help_context, 112);
  list.SetHelpContext(7);
  list.AddFilename("C:\\Replies\\p2.qdk");
  EXPECT_EQ(menu_.items[0].help_context, 7);
  EXPECT_EQ(menu_.items[1].help_context, 7);
}

TEST_F(HistoryListTest, IniFileVariantInTheWindowsFolder) {
  namespace fs = std::filesystem;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path folder = fs::temp_directory_path() / ("tq_history_" + std::to_string(stamp));
  fs::create_directories(folder);
  {
    THistoryList list(keys_, env_, folder.string());
    list.SetUseIniFile(true);
    Configure(list, menu_);
    list.SetRegPath("Quillet.ini");
    for (const char* p : {"C:\\Replies\\p3.qdk", "C:\\Replies\\p2.qdk", "C:\\Replies\\p1.qdk"}) list.AddFilename(p);
    list.Save();
    list.SetMaxItems(2);
    list.Save();  // the section is rewritten: two entries only
  }
  EXPECT_TRUE(keys_.log.empty()) << "nothing in the key store";
  ListMenu other;
  THistoryList again(keys_, env_, folder.string());
  again.SetUseIniFile(true);
  again.SetMaxItems(5);
  again.SetRegKey("MRU");
  again.SetBaseMenu(&other);
  again.SetRegPath("Quillet.ini");
  EXPECT_EQ(other.Captions(), "p1.qdk|p2.qdk");
  fs::remove_all(folder);
}

// The submenu numbers the entries with their keys, most recent first; the
// stored caption stays the bare file name.
TEST_F(HistoryListTest, TheMenuShowsTheEntriesNumberedWithTheirKeys) {
  env_.files.insert("C:\\Replies\\R&D.qdk");
  THistoryList list(keys_, env_);
  Configure(list, menu_);
  EXPECT_EQ(RecentFileMenuTexts(menu_.items), std::vector<std::string>{"(none)"}) << "the placeholder has no number";
  list.AddFilename("C:\\Replies\\p1.qdk");
  list.AddFilename("C:\\Replies\\R&D.qdk");
  list.AddFilename("C:\\Replies\\p2.qdk");
  EXPECT_EQ(RecentFileMenuTexts(menu_.items), (std::vector<std::string>{"&1 p2.qdk", "&2 R&&D.qdk", "&3 p1.qdk"}));
  EXPECT_EQ(menu_.items[1].caption, "R&D.qdk");

  std::vector<MenuItemData> eleven = {{.caption = "-"}};
  for (int i = 1; i <= 11; ++i) eleven.push_back({.caption = "f" + std::to_string(i)});
  const std::vector<std::string> texts = RecentFileMenuTexts(eleven);
  EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 2), (std::vector<std::string>{"-", "&1 f1"}));
  EXPECT_EQ(std::vector<std::string>(texts.begin() + 9, texts.end()),
            (std::vector<std::string>{"&9 f9", "1&0 f10", "11 f11"}))
      << "the tenth takes 0 as its key, later ones none";
}

}  // namespace
}  // namespace tq::app
