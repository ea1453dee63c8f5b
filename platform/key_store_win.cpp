// The registry of the current user (and, for reading, of the machine).
#include <windows.h>

#include <vector>

#include "platform/key_store.h"

namespace tq::platform {

namespace {

class RegistryKey final : public Key {
 public:
  explicit RegistryKey(HKEY key) : key_(key) {}
  ~RegistryKey() override { RegCloseKey(key_); }

  std::optional<std::string> ReadString(const std::string& name) override {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::string value(size, '\0');
    if (size && RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
                    ERROR_SUCCESS)
      return std::nullopt;
    // The stored bytes may or may not end with the terminator.
    value.resize(std::min<size_t>(size, value.size()));
    if (size_t nul = value.find('\0'); nul != std::string::npos) value.resize(nul);
    return value;
  }

  std::optional<int32_t> ReadInteger(const std::string& name) override {
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
      return std::nullopt;
    return static_cast<int32_t>(value);
  }

  bool WriteString(const std::string& name, const std::string& value) override {
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  bool WriteInteger(const std::string& name, int32_t value) override {
    DWORD v = static_cast<DWORD>(value);
    return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) ==
           ERROR_SUCCESS;
  }

  ValueType TypeOf(const std::string& name) override {
    DWORD type = 0;
    if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
      return ValueType::None;
    if (type == REG_SZ || type == REG_EXPAND_SZ) return ValueType::String;
    if (type == REG_DWORD) return ValueType::Integer;
    return ValueType::None;
  }

  bool DeleteValue(const std::string& name) override { return RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS; }

  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    char buf[16384];
    for (DWORD i = 0;; ++i) {
      DWORD len = sizeof buf;
      if (RegEnumValueA(key_, i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.emplace_back(buf, len);
    }
    return names;
  }

  std::vector<std::string> SubKeys() override {
    std::vector<std::string> names;
    char buf[256];
    for (DWORD i = 0;; ++i) {
      DWORD len = sizeof buf;
      if (RegEnumKeyExA(key_, i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.emplace_back(buf, len);
    }
    return names;
  }

  bool DeleteSubKey(const std::string& name) override {
    // Windows refuses to delete a key with subkeys; remove those first.
    HKEY sub = nullptr;
    if (RegOpenKeyExA(key_, name.c_str(), 0, KEY_ALL_ACCESS, &sub) != ERROR_SUCCESS) return false;
    {
      RegistryKey child(sub);
      for (const std::string& s : child.SubKeys()) child.DeleteSubKey(s);
    }
    return RegDeleteKeyA(key_, name.c_str()) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

HKEY RootKey(KeyRoot root) { return root == KeyRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

class RegistryKeyStore final : public KeyStore {
 public:
  std::unique_ptr<Key> Open(KeyRoot root, const std::string& path, bool create) override {
    HKEY key = nullptr;
    LONG rc;
    if (create) {
      rc = RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    } else {
      rc = RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_ALL_ACCESS, &key);
      // The machine's keys are usually readable only.
      if (rc != ERROR_SUCCESS) rc = RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ, &key);
    }
    if (rc != ERROR_SUCCESS) return nullptr;
    return std::make_unique<RegistryKey>(key);
  }

  bool KeyExists(KeyRoot root, const std::string& path) override {
    HKEY key = nullptr;
    if (RegOpenKeyExA(RootKey(root), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
  }
};

}  // namespace

KeyStore& DefaultKeyStore() {
  static RegistryKeyStore store;
  return store;
}

}  // namespace tq::platform
