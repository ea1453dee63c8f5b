#include "platform/key_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tq::platform {
namespace {

// The same checks for the memory store and, on Windows, the registry.
class KeyStoreTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) {
      memory_ = NewMemoryKeyStore();
      store_ = memory_.get();
    } else {
      store_ = &DefaultKeyStore();
    }
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = "Software\\TavrinQuilletTests\\Run" + std::to_string(stamp);
  }
  void TearDown() override {
    if (!store_) return;
    if (auto parent = store_->Open(KeyRoot::CurrentUser, "Software\\TavrinQuilletTests", false))
      parent->DeleteSubKey(path_.substr(path_.rfind('\\') + 1));
  }

  std::unique_ptr<KeyStore> memory_;
  KeyStore* store_ = nullptr;
  std::string path_;
};

TEST_P(KeyStoreTest, TypedValuesAndWrongTypeReads) {
  EXPECT_EQ(store_->Open(KeyRoot::CurrentUser, path_, false), nullptr) << "opening without create must not make it";
  auto key = store_->Open(KeyRoot::CurrentUser, path_, true);
  ASSERT_TRUE(key);
  EXPECT_TRUE(store_->KeyExists(KeyRoot::CurrentUser, path_));
  ASSERT_TRUE(key->WriteString("LastFile", "C:\\Replies\\mine.qdk"));
  ASSERT_TRUE(key->WriteInteger("HotKey", 0x6052));
  ASSERT_TRUE(key->WriteBool("Flag", true));
  EXPECT_EQ(key->ReadString("lastfile"), "C:\\Replies\\mine.qdk");
  EXPECT_EQ(key->ReadInteger("HotKey"), 0x6052);
  EXPECT_EQ(key->ReadBool("Flag"), true);
  // A read of the wrong type fails rather than converting.
  EXPECT_EQ(key->ReadInteger("LastFile"), std::nullopt);
  EXPECT_EQ(key->ReadString("HotKey"), std::nullopt);
  EXPECT_EQ(key->ReadBool("LastFile"), std::nullopt);
  EXPECT_EQ(key->TypeOf("HotKey"), ValueType::Integer);
  EXPECT_EQ(key->TypeOf("Missing"), ValueType::None);
  // Overwriting changes the type.
  ASSERT_TRUE(key->WriteString("HotKey", "24658"));
  EXPECT_EQ(key->TypeOf("HotKey"), ValueType::String);
  EXPECT_TRUE(key->DeleteValue("HotKey"));
  EXPECT_FALSE(key->ValueExists("HotKey"));
  EXPECT_EQ(key->ValueNames().size(), 2u);
}

TEST_P(KeyStoreTest, SubKeysAndReopen) {
  {
    auto key = store_->Open(KeyRoot::CurrentUser, path_ + "\\WS", true);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->WriteString("Left", "10"));
  }
  ASSERT_TRUE(store_->Open(KeyRoot::CurrentUser, path_ + "\\MRU", true));
  auto parent = store_->Open(KeyRoot::CurrentUser, path_, false);
  ASSERT_TRUE(parent);
  auto subs = parent->SubKeys();
  std::sort(subs.begin(), subs.end());
  EXPECT_EQ(subs, (std::vector<std::string>{"MRU", "WS"}));
  auto ws = store_->Open(KeyRoot::CurrentUser, path_ + "\\ws", false);
  ASSERT_TRUE(ws);
  EXPECT_EQ(ws->ReadString("Left"), "10");
  EXPECT_TRUE(parent->DeleteSubKey("WS"));
  EXPECT_FALSE(store_->KeyExists(KeyRoot::CurrentUser, path_ + "\\WS"));
}

TEST_P(KeyStoreTest, NamesAndStringsHoldAnyCharacter) {
  // UTF-8 in, the same UTF-8 out: Greek, CJK, a character beyond the BMP
  // (a surrogate pair in the registry) and a combining mark.
  const std::string text = "C:\\\xCE\xA9\xE6\x96\x87\\\xF0\x9F\x98\x80 e\xCC\x81.qdk";
  const std::string name = "Last \xE6\x96\x87";
  auto key = store_->Open(KeyRoot::CurrentUser, path_ + "\\\xCE\xA9", true);
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->WriteString(name, text));
  EXPECT_EQ(key->ReadString(name), text);
  EXPECT_EQ(key->ValueNames(), std::vector<std::string>{name});
  auto parent = store_->Open(KeyRoot::CurrentUser, path_, false);
  ASSERT_TRUE(parent);
  EXPECT_EQ(parent->SubKeys(), std::vector<std::string>{"\xCE\xA9"});
}

#ifdef _WIN32
TEST(RegistryKeyStore, ReadsStringsAnAnsiProgramWrote) {
  // The older program stored its values through the ANSI functions; Windows
  // keeps them as UTF-16 all the same, and they read back as UTF-8.
  const std::wstring wide = L"C:\\Caf\u00E9\\R\u00E9ponses.qdk";
  char ansi[64] = {};
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, ansi, sizeof ansi, nullptr, &lossy);
  if (n == 0 || lossy) GTEST_SKIP() << "the ANSI code page cannot hold the test's accented letters";
  const std::string path = "Software\\TavrinQuilletTests\\Ansi" +
                           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  HKEY raw = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(raw, "LastFile", 0, REG_SZ, reinterpret_cast<const BYTE*>(ansi), static_cast<DWORD>(n)),
            ERROR_SUCCESS);
  RegCloseKey(raw);
  auto key = DefaultKeyStore().Open(KeyRoot::CurrentUser, path, false);
  ASSERT_TRUE(key);
  EXPECT_EQ(key->ReadString("LastFile"), "C:\\Caf\xC3\xA9\\R\xC3\xA9ponses.qdk");
  key.reset();
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}
#endif

#ifdef _WIN32
#define TQ_KEY_STORES ::testing::Values(true, false)
#else
#define TQ_KEY_STORES ::testing::Values(true)  // the registry exists only on Windows
#endif
INSTANTIATE_TEST_SUITE_P(Stores, KeyStoreTest, TQ_KEY_STORES,
                         [](const auto& info) { return info.param ? "Memory" : "Registry"; });

}  // namespace
}  // namespace tq::platform
