// A key store held in memory: a tree of nodes with case-insensitive names.
#include <algorithm>
#include <cctype>
#include <map>
#include <variant>

#include "platform/key_store.h"

namespace tq::platform {

namespace {

struct NoCaseLess {
  bool operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
  }
};

struct Node {
  std::map<std::string, std::variant<std::string, int32_t>, NoCaseLess> values;
  std::map<std::string, std::unique_ptr<Node>, NoCaseLess> children;
};

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : path) {
    if (c == '\\') {
      if (!cur.empty()) parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) parts.push_back(cur);
  return parts;
}

// Keys hold a plain pointer into the store's tree: like a registry handle,
// a key must not outlive its store, and a deleted key's handle must not be
// used again.
class MemoryKey final : public Key {
 public:
  explicit MemoryKey(Node* node) : node_(node) {}

  std::optional<std::string> ReadString(const std::string& name) override {
    auto it = node_->values.find(name);
    if (it == node_->values.end() || !std::holds_alternative<std::string>(it->second)) return std::nullopt;
    return std::get<std::string>(it->second);
  }
  std::optional<int32_t> ReadInteger(const std::string& name) override {
    auto it = node_->values.find(name);
    if (it == node_->values.end() || !std::holds_alternative<int32_t>(it->second)) return std::nullopt;
    return std::get<int32_t>(it->second);
  }
  bool WriteString(const std::string& name, const std::string& value) override {
    node_->values.insert_or_assign(name, value);
    return true;
  }
  bool WriteInteger(const std::string& name, int32_t value) override {
    node_->values.insert_or_assign(name, value);
    return true;
  }
  ValueType TypeOf(const std::string& name) override {
    auto it = node_->values.find(name);
    if (it == node_->values.end()) return ValueType::None;
    return std::holds_alternative<std::string>(it->second) ? ValueType::String : ValueType::Integer;
  }
  bool DeleteValue(const std::string& name) override { return node_->values.erase(name) > 0; }
  std::vector<std::string> ValueNames() override {
    std::vector<std::string> names;
    for (auto& [n, v] : node_->values) names.push_back(n);
    return names;
  }
  std::vector<std::string> SubKeys() override {
    std::vector<std::string> names;
    for (auto& [n, c] : node_->children) names.push_back(n);
    return names;
  }
  bool DeleteSubKey(const std::string& name) override { return node_->children.erase(name) > 0; }

 private:
  Node* node_;
};

class MemoryKeyStore final : public KeyStore {
 public:
  std::unique_ptr<Key> Open(KeyRoot root, const std::string& path, bool create) override {
    Node* node = Find(root, path, create);
    if (!node) return nullptr;
    return std::make_unique<MemoryKey>(node);
  }
  bool KeyExists(KeyRoot root, const std::string& path) override { return Find(root, path, false) != nullptr; }

 private:
  Node* Find(KeyRoot root, const std::string& path, bool create) {
    Node* node = root == KeyRoot::CurrentUser ? &currentUser_ : &localMachine_;
    for (const std::string& part : SplitPath(path)) {
      auto it = node->children.find(part);
      if (it == node->children.end()) {
        if (!create) return nullptr;
        it = node->children.emplace(part, std::make_unique<Node>()).first;
      }
      node = it->second.get();
    }
    return node;
  }

  Node currentUser_;
  Node localMachine_;
};

}  // namespace

std::unique_ptr<KeyStore> NewMemoryKeyStore() { return std::make_unique<MemoryKeyStore>(); }

#ifndef _WIN32
KeyStore& DefaultKeyStore() {
  static std::unique_ptr<KeyStore> store = NewMemoryKeyStore();
  return *store;
}
#endif

}  // namespace tq::platform
