// For tests: a key store over the memory store that records the order of
// writes and deletions and can refuse to open keys or fail a chosen write.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/key_store.h"

namespace tq::testing {

class TestKeyStore final : public platform::KeyStore {
 public:
  // Writes through any key; "-Name" marks a deletion.
  std::vector<std::string> log;
  bool refuse_open = false;
  int fail_write = -1;  // 0-based number of the write that fails, -1: none

  std::unique_ptr<platform::Key> Open(platform::KeyRoot root, const std::string& path, bool create) override {
    if (refuse_open) return nullptr;
    auto key = memory_->Open(root, path, create);
    if (!key) return nullptr;
    return std::make_unique<LoggedKey>(std::move(key), *this);
  }
  bool KeyExists(platform::KeyRoot root, const std::string& path) override { return memory_->KeyExists(root, path); }

  // The store underneath, for setting up and checking values directly.
  platform::KeyStore& raw() { return *memory_; }

 private:
  class LoggedKey final : public platform::Key {
   public:
    LoggedKey(std::unique_ptr<platform::Key> key, TestKeyStore& store) : key_(std::move(key)), store_(store) {}
    std::optional<std::string> ReadString(const std::string& name) override { return key_->ReadString(name); }
    std::optional<int32_t> ReadInteger(const std::string& name) override { return key_->ReadInteger(name); }
    bool WriteString(const std::string& name, const std::string& value) override {
      return Allowed(name) && key_->WriteString(name, value);
    }
    bool WriteInteger(const std::string& name, int32_t value) override {
      return Allowed(name) && key_->WriteInteger(name, value);
    }
    platform::ValueType TypeOf(const std::string& name) override { return key_->TypeOf(name); }
    bool DeleteValue(const std::string& name) override {
      store_.log.push_back("-" + name);
      return key_->DeleteValue(name);
    }
    std::vector<std::string> ValueNames() override { return key_->ValueNames(); }
    std::vector<std::string> SubKeys() override { return key_->SubKeys(); }
    bool DeleteSubKey(const std::string& name) override { return key_->DeleteSubKey(name); }

   private:
    bool Allowed(const std::string& name) {
      if (store_.fail_write == store_.writes_++) return false;
      store_.log.push_back(name);
      return true;
    }
    std::unique_ptr<platform::Key> key_;
    TestKeyStore& store_;
  };

  std::unique_ptr<platform::KeyStore> memory_ = platform::NewMemoryKeyStore();
  int writes_ = 0;
};

}  // namespace tq::testing
