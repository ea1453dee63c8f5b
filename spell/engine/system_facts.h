// TSystemFacts: what the configuration's macros are made of (program file,
// user name, special folders, environment). The default asks the platform,
// in the encoding the paths of the engine's Env are in; tests give their own.
#pragma once

#include <string>

#include "platform/path_encoding.h"
#include "platform/system_info.h"

namespace tq::spell {

class TSystemFacts {
 public:
  explicit TSystemFacts(platform::PathEncoding encoding = platform::PathEncoding::Ansi) : encoding_(encoding) {}
  virtual ~TSystemFacts() = default;
  // The platform's facts in encoding; each lives for the whole process.
  static const TSystemFacts& Default(platform::PathEncoding encoding = platform::PathEncoding::Ansi);

  // Full path of the program file.
  virtual std::string ProgramPath() const { return platform::ProgramPath(encoding_); }
  // Empty when unknown.
  virtual std::string UserName() const { return platform::UserName(encoding_); }
  // Empty when unknown.
  virtual std::string SpecialFolder(platform::SpecialFolder folder) const {
    return platform::SpecialFolderPath(folder, encoding_);
  }
  // Replaces %NAME% of set environment variables.
  virtual std::string ExpandEnvironment(const std::string& text) const {
    return platform::ExpandEnvironment(text, encoding_);
  }

 private:
  platform::PathEncoding encoding_;
};

}  // namespace tq::spell
