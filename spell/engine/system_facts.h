// TSystemFacts: what the configuration's macros are made of (program file,
// user name, special folders, environment). The default asks the platform;
// tests give their own.
#pragma once

#include <string>

#include "platform/system_info.h"

namespace tq::spell {

class TSystemFacts {
 public:
  virtual ~TSystemFacts() = default;
  static const TSystemFacts& Default();

  // Full path of the program file.
  virtual std::string ProgramPath() const { return platform::ProgramPath(); }
  // Empty when unknown.
  virtual std::string UserName() const { return platform::UserName(); }
  // Empty when unknown.
  virtual std::string SpecialFolder(platform::SpecialFolder folder) const {
    return platform::SpecialFolderPath(folder);
  }
  // Replaces %NAME% of set environment variables.
  virtual std::string ExpandEnvironment(const std::string& text) const { return platform::ExpandEnvironment(text); }
};

}  // namespace tq::spell
