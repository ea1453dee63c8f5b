#include "ui/core/placement_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "tests/support/test_key_store.h"

namespace tq::ui::core {
namespace {

// Any program's settings key: the store knows no particular one.
constexpr std::string_view kSaveName = "Software\\Example\\Program";
const std::string kWsPath = std::string(kSaveName) + "\\WS";

class PlacementStoreTest : public ::testing::Test {
 protected:
  PlacementStore MainWindowStore(bool save_size = true) {
    PlacementStore store(keys_, platform::Env::Default(), "");
    store.SaveName = std::string(kSaveName);
    store.SaveKey = "WS";
    store.SaveSize = save_size;
    return store;
  }
  std::unique_ptr<platform::Key> WsKey() { return keys_.raw().Open(platform::KeyRoot::CurrentUser, kWsPath, true); }

  tq::testing::TestKeyStore keys_;
};

TEST_F(PlacementStoreTest, WritesDecimalStringsAndAFlag) {
  PlacementStore store = MainWindowStore();
  ASSERT_TRUE(store.Store({{-8, 40, 455, 467}, true}));
  EXPECT_EQ(keys_.log, (std::vector<std::string>{"Left", "Top", "Right", "Bottom", "Maximized"}));
  auto key = WsKey();
  EXPECT_EQ(key->ReadString("Left"), "-8");
  EXPECT_EQ(key->ReadString("Bottom"), "467");
  EXPECT_EQ(key->ReadString("Maximized"), "1");

  keys_.log.clear();
  PlacementStore position_only = MainWindowStore(false);
  ASSERT_TRUE(position_only.Store({{10, 20, 30, 40}, false}));
  EXPECT_EQ(keys_.log, (std::vector<std::string>{"Left", "Top", "Maximized"}));
  EXPECT_EQ(key->ReadString("Maximized"), "0");
}

TEST_F(PlacementStoreTest, AMaximizedWindowComesBackMaximizedOverItsNormalRectangle) {
  PlacementStore store = MainWindowStore();
  store.Store({{50, 40, 500, 400}, true});
  Placement back = RestorePlacement(store.Read(), {{0, 0, 463, 427}, false, true}, {0, 0, 1024, 738});
  EXPECT_EQ(back, (Placement{{50, 40, 500, 400}, true}));
}

TEST_F(PlacementStoreTest, ValuesThatAreNotIntegersReadAsNone) {
  auto key = WsKey();
  key->WriteString("Left", "12px");
  key->WriteString("Top", "");
  key->WriteInteger("Right", 500);  // a number, but not stored as text
  key->WriteString("Bottom", "+400");
  key->WriteString("Maximized", "yes");
  StoredPlacement s = MainWindowStore().Read();
  EXPECT_EQ(s.left, std::nullopt);
  EXPECT_EQ(s.top, std::nullopt);
  EXPECT_EQ(s.right, std::nullopt);
  EXPECT_EQ(s.bottom, 400);
  EXPECT_EQ(s.maximized, std::nullopt);

  const std::pair<const char*, std::optional<int>> numbers[] = {{"-30", -30},
                                                                {"0", 0},
                                                                {"2147483647", 2147483647},
                                                                {"2147483648", std::nullopt},
                                                                {" 5", std::nullopt},
                                                                {"5 ", std::nullopt},
                                                                {"+-5", std::nullopt},
                                                                {"0x10", std::nullopt},
                                                                {"-", std::nullopt}};
  for (auto [text, value] : numbers) {
    key->WriteString("Left", text);
    EXPECT_EQ(MainWindowStore().Read().left, value) << text;
  }
  for (auto [text, maximized] : {std::pair{"2", true}, std::pair{"-1", true}, std::pair{"0", false}}) {
    key->WriteString("Maximized", text);
    EXPECT_EQ(MainWindowStore().Read().maximized, maximized) << text;
  }
}

TEST_F(PlacementStoreTest, SizeIsReadOnlyWithSaveSize) {
  PlacementStore store = MainWindowStore();
  store.Store({{50, 40, 500, 400}, false});
  StoredPlacement s = MainWindowStore(false).Read();
  EXPECT_EQ(s.left, 50);
  EXPECT_EQ(s.right, std::nullopt);
  EXPECT_EQ(s.bottom, std::nullopt);
}

TEST_F(PlacementStoreTest, NothingStoredOrNoNameGivesNothing) {
  StoredPlacement s = MainWindowStore().Read();
  EXPECT_FALSE(s.left || s.top || s.right || s.bottom || s.maximized);

  PlacementStore unnamed(keys_, platform::Env::Default(), "");
  unnamed.SaveName = std::string(kSaveName);  // SaveKey left empty
  EXPECT_FALSE(unnamed.Store({{1, 2, 3, 4}, false}));
  unnamed.SaveKey = "WS";
  unnamed.SaveName.clear();
  EXPECT_FALSE(unnamed.Store({{1, 2, 3, 4}, false}));
  EXPECT_FALSE(unnamed.Read().left);
  EXPECT_TRUE(keys_.log.empty());
}

TEST_F(PlacementStoreTest, IniFileInTheProgramFolder) {
  namespace fs = std::filesystem;
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path folder = fs::temp_directory_path() / ("tq_placement_" + std::to_string(stamp));
  fs::create_directories(folder);
  PlacementStore store(keys_, platform::Env::Default(), folder.string());
  store.UseIniFile = true;
  store.SaveName = "Quillet.ini";
  store.SaveKey = "MainForm Placement";
  store.SaveSize = true;
  ASSERT_TRUE(store.Store({{700, 40, 1100, 400}, false}));
  EXPECT_TRUE(fs::exists(folder / "Quillet.ini"));
  EXPECT_TRUE(keys_.log.empty());
  Placement back = RestoreIniPlacement(store.Read(), {{0, 0, 463, 427}, false, true}, {1024, 768});
  EXPECT_EQ(back, (Placement{{624, 40, 1024, 400}, false}));
  fs::remove_all(folder);
}

}  // namespace
}  // namespace tq::ui::core
