// For tests: a stand-in for the window system's global hotkeys that, like
// Windows, refuses a combination that is already taken, and records what
// was registered, released and shown.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/core/hotkey_registration.h"

namespace tq::app::testing {

class FakeHotKeys {
 public:
  struct Registration {
    int id;
    unsigned modifiers;
    unsigned virtual_key;
    bool operator==(const Registration&) const = default;
  };

  std::vector<Registration> registered;  // in order of success
  std::vector<std::string> errors;       // messages shown
  std::vector<int> refused_ids;

  HotKeyRegistrar registrar() {
    return {[this](int id, unsigned modifiers, unsigned vk) { return Register(id, modifiers, vk); },
            [this](const std::string& message) { errors.push_back(message); }};
  }

  // A combination held by another program.
  void TakeByOtherProgram(unsigned modifiers, unsigned virtual_key) { owner_[{modifiers, virtual_key}] = -1; }

  void Unregister(int id) {
    for (auto it = owner_.begin(); it != owner_.end(); ++it)
      if (it->second == id) {
        owner_.erase(it);
        return;
      }
  }

  // The id holding a combination, -1 for another program, 0 for none.
  int Owner(unsigned modifiers, unsigned virtual_key) const {
    auto it = owner_.find({modifiers, virtual_key});
    return it == owner_.end() ? 0 : it->second;
  }

 private:
  bool Register(int id, unsigned modifiers, unsigned vk) {
    auto [it, fresh] = owner_.try_emplace({modifiers, vk}, id);
    if (!fresh) {
      refused_ids.push_back(id);
      return false;
    }
    registered.push_back({id, modifiers, vk});
    return true;
  }

  std::map<std::pair<unsigned, unsigned>, int> owner_;
};

}  // namespace tq::app::testing
