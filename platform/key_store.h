// KeyStore: a per-user tree of keys holding named, typed values, with the
// registry's rules. On Windows it is the registry; the memory store serves
// the tests and the POSIX build.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tq::platform {

enum class KeyRoot { CurrentUser, LocalMachine };

enum class ValueType { None, String, Integer };

// An open key. Closed when destroyed.
class Key {
 public:
  virtual ~Key() = default;
  // A read fails (nullopt) when the value is missing or of the other type.
  virtual std::optional<std::string> ReadString(const std::string& name) = 0;
  virtual std::optional<int32_t> ReadInteger(const std::string& name) = 0;
  virtual bool WriteString(const std::string& name, const std::string& value) = 0;
  virtual bool WriteInteger(const std::string& name, int32_t value) = 0;
  virtual ValueType TypeOf(const std::string& name) = 0;
  bool ValueExists(const std::string& name) { return TypeOf(name) != ValueType::None; }
  virtual bool DeleteValue(const std::string& name) = 0;
  virtual std::vector<std::string> ValueNames() = 0;
  virtual std::vector<std::string> SubKeys() = 0;
  // Deletes a subkey with everything below it.
  virtual bool DeleteSubKey(const std::string& name) = 0;

  // A boolean is an integer, non-zero for true.
  std::optional<bool> ReadBool(const std::string& name) {
    auto v = ReadInteger(name);
    if (!v) return std::nullopt;
    return *v != 0;
  }
  bool WriteBool(const std::string& name, bool value) { return WriteInteger(name, value ? 1 : 0); }
};

class KeyStore {
 public:
  virtual ~KeyStore() = default;
  // Opens path (components separated by '\') under root; with create, missing
  // keys are made. nullptr when it cannot be opened.
  virtual std::unique_ptr<Key> Open(KeyRoot root, const std::string& path, bool create) = 0;
  virtual bool KeyExists(KeyRoot root, const std::string& path) = 0;
};

// The registry on Windows; a memory store that lives for the process elsewhere.
KeyStore& DefaultKeyStore();

// A store kept in memory, empty when made. Key and value names compare
// without regard to ASCII letter case, as in the registry.
std::unique_ptr<KeyStore> NewMemoryKeyStore();

}  // namespace tq::platform
