#include "ui/core/value_section.h"

#include "platform/ini_file.h"

namespace tq::ui::core {
namespace {

class KeySection final : public ValueSection {
 public:
  explicit KeySection(std::unique_ptr<platform::Key> key) : key_(std::move(key)) {}
  std::optional<std::string> Read(const std::string& name) override { return key_->ReadString(name); }
  bool Write(const std::string& name, const std::string& value) override { return key_->WriteString(name, value); }
  bool Exists(const std::string& name) override { return key_->ValueExists(name); }
  bool Delete(const std::string& name) override { return key_->DeleteValue(name); }
  bool Clear() override {
    bool all = true;
    for (const std::string& name : key_->ValueNames()) all = key_->DeleteValue(name) && all;
    return all;
  }

 private:
  std::unique_ptr<platform::Key> key_;
};

class IniSection final : public ValueSection {
 public:
  IniSection(platform::Env& env, const std::string& path, std::string section)
      : ini_(env, path), section_(std::move(section)) {}
  std::optional<std::string> Read(const std::string& name) override {
    if (!ini_.ValueExists(section_, name)) return std::nullopt;
    return ini_.ReadString(section_, name, "");
  }
  bool Write(const std::string& name, const std::string& value) override {
    return ini_.WriteString(section_, name, value).ok();
  }
  bool Exists(const std::string& name) override { return ini_.ValueExists(section_, name); }
  bool Delete(const std::string& name) override {
    return ini_.ValueExists(section_, name) && ini_.DeleteKey(section_, name).ok();
  }
  bool Clear() override { return ini_.EraseSection(section_).ok(); }

 private:
  platform::IniFile ini_;
  std::string section_;
};

}  // namespace

std::unique_ptr<ValueSection> OpenKeySection(platform::KeyStore& store, const std::string& path, bool create) {
  auto key = store.Open(platform::KeyRoot::CurrentUser, path, create);
  if (!key) return nullptr;
  return std::make_unique<KeySection>(std::move(key));
}

std::unique_ptr<ValueSection> OpenIniSection(platform::Env& env, const std::string& path, const std::string& section) {
  return std::make_unique<IniSection>(env, path, section);
}

}  // namespace tq::ui::core
