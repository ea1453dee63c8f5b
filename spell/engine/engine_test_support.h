// Test doubles for the engine component: system facts that a test controls.
#pragma once

#include <map>
#include <string>

#include "spell/engine/system_facts.h"

namespace tq::spell::fakes {

class FakeFacts : public TSystemFacts {
 public:
  std::string programPath = "/opt/quillet/TavrinQuillet.exe";
  std::string userName = "alice";
  std::string appData;
  std::string documents;
  std::map<std::string, std::string> environment;

  std::string ProgramPath() const override { return programPath; }
  std::string UserName() const override { return userName; }
  std::string SpecialFolder(platform::SpecialFolder folder) const override {
    return folder == platform::SpecialFolder::AppData ? appData : documents;
  }
  std::string ExpandEnvironment(const std::string& text) const override {
    std::string out = text;
    for (const auto& [name, value] : environment)
      for (size_t at; (at = out.find("%" + name + "%")) != std::string::npos;) out.replace(at, name.size() + 2, value);
    return out;
  }
};

}  // namespace tq::spell::fakes
