#include "platform/key_store.h"

#include <gtest/gtest.h>

#include <chrono>

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

#ifdef _WIN32
#define TQ_KEY_STORES ::testing::Values(true, false)
#else
#define TQ_KEY_STORES ::testing::Values(true)  // the registry exists only on Windows
#endif
INSTANTIATE_TEST_SUITE_P(Stores, KeyStoreTest, TQ_KEY_STORES,
                         [](const auto& info) { return info.param ? "Memory" : "Registry"; });

}  // namespace
}  // namespace tq::platform
