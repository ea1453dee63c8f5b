// The registry of the current user (and, for reading, of the machine),
// through the wide functions: names and string values are UTF-8 here and
// UTF-16 in the registry, which is how Windows keeps REG_SZ whatever
// function wrote it, so values an ANSI program stored read back whole.
#include <windows.h>

#include <vector>

#include "platform/key_store.h"
#include "platform/utf16.h"

namespace tq::platform {

namespace {

class RegistryKey final : public Key {
 public:
  explicit RegistryKey(HKEY key) : key_(key) {}
  ~RegistryKey() override { RegCloseKey(key_); }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  std::optional<std::string> ReadString(const std::string& name) override {
    const std::wstring wname = Wide(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key_, wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring value((size + sizeof(wchar_t) - 1) / sizeof(wchar_t), L'\0');
    if (size && RegQueryValueExW(key_, wname.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size) !=
                    ERROR_SUCCESS)
      return std::nullopt;
    // The stored bytes may or may not end with the terminator.
    value.resize(std::min<size_t>(size / sizeof(wchar_t), value.size()));
    if (size_t nul = value.find(L'\0'); nul != std::wstring::npos) value.resize(nul);
    return Utf8(value);
  }

  std::optional<int32_t> ReadInteger(const std::string& name) override {
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExW(key_, Wide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
      return std::nullopt;
    return static_cast<int32_t>(value);
  }

  bool WriteString(const std::string& name, const std::string& value) override {
    const std::wstring wide = Wide(value);
    return RegSetValueExW(key_, Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

  bool WriteInteger(const std::string& name, int32_t value) override {
    DWORD v = static_cast<DWORD>(value);
    return RegSetValueExW(key_, Wide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v), sizeof v) ==
           ERROR_SUCCESS;
  }

  ValueType TypeOf(const std::string& name) override {
    DWORD type = 0;
    if (RegQueryValueExW(key_, Wide(name).c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
      return ValueType::None;
    if (type == REG_SZ || type == REG_EXPAND_SZ) return ValueType::String;
    if (type == REG_DWORD) return ValueType::Integer;
    return ValueType::None;
  }

  bool DeleteValue(const std::string& name) override {
    return RegDeleteValueW(key_, Wide(name).c_str()) == ERROR_SUCCESS;
  }

  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    std::vector<wchar_t> buf(16384);  // the longest value name, in characters
    for (DWORD i = 0;; ++i) {
      DWORD len = static_cast<DWORD>(buf.size());
      if (RegEnumValueW(key_, i, buf.data(), &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.push_back(Utf8(std::wstring_view(buf.data(), len)));
    }
    return names;
  }

  std::vector<std::string> SubKeys() override {
    std::vector<std::string> names;
    wchar_t buf[256];  // the longest key name, in characters
    for (DWORD i = 0;; ++i) {
      DWORD len = sizeof buf / sizeof buf[0];
      if (RegEnumKeyExW(key_, i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.push_back(Utf8(std::wstring_view(buf, len)));
    }
    return names;
  }

  bool DeleteSubKey(const std::string& name) override {
    const std::wstring wname = Wide(name);
    // Windows refuses to delete a key with subkeys; remove those first.
    HKEY sub = nullptr;
    if (RegOpenKeyExW(key_, wname.c_str(), 0, KEY_ALL_ACCESS, &sub) != ERROR_SUCCESS) return false;
    {
      RegistryKey child(sub);
      for (const std::string& s : child.SubKeys()) child.DeleteSubKey(s);
    }
    return RegDeleteKeyW(key_, wname.c_str()) == ERROR_SUCCESS;
  }

 private:
  HKEY key_;
};

HKEY RootKey(KeyRoot root) { return root == KeyRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

class RegistryKeyStore final : public KeyStore {
 public:
  std::unique_ptr<Key> Open(KeyRoot root, const std::string& path, bool create) override {
    const std::wstring wpath = Wide(path);
    HKEY key = nullptr;
    LONG rc;
    if (create) {
      rc = RegCreateKeyExW(RootKey(root), wpath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    } else {
      rc = RegOpenKeyExW(RootKey(root), wpath.c_str(), 0, KEY_ALL_ACCESS, &key);
      // The machine's keys are usually readable only.
      if (rc != ERROR_SUCCESS) rc = RegOpenKeyExW(RootKey(root), wpath.c_str(), 0, KEY_READ, &key);
    }
    if (rc != ERROR_SUCCESS) return nullptr;
    return std::make_unique<RegistryKey>(key);
  }

  bool KeyExists(KeyRoot root, const std::string& path) override {
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootKey(root), Wide(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
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
