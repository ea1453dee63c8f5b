// A flat set of named text values: one key of the per-user key store, or one
// section of an INI file. The recent-files list and the window placement are
// kept in either, with the same names and values.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/env.h"
#include "platform/key_store.h"

namespace tq::ui::core {

class ValueSection {
 public:
  virtual ~ValueSection() = default;
  // None when the value is missing or is not text.
  virtual std::optional<std::string> Read(const std::string& name) = 0;
  virtual bool Write(const std::string& name, const std::string& value) = 0;
  virtual bool Exists(const std::string& name) = 0;
  // False when there was no such value.
  virtual bool Delete(const std::string& name) = 0;
  // Removes every value.
  virtual bool Clear() = 0;
};

// The key at path under the current user's root; null when it does not exist
// and create is off, or cannot be opened.
std::unique_ptr<ValueSection> OpenKeySection(platform::KeyStore& store, const std::string& path, bool create);

// A section of the INI file at path; the file is read and written at each call.
std::unique_ptr<ValueSection> OpenIniSection(platform::Env& env, const std::string& path, const std::string& section);

}  // namespace tq::ui::core
