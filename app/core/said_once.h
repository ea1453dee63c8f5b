// SaidOnce: the reply hotkeys that cannot be registered are told once per
// change, not at every Refresh. A rebuild tells only what the previous
// rebuild, or a command since, has not told already; what it finds replaces
// what was told, so a clash that went away and came back is told again.
#pragma once

#include <string>
#include <vector>

namespace tq::app {

class SaidOnce {
 public:
  // A rebuild found these: the ones to tell now.
  std::vector<std::string> AfterRebuild(const std::vector<std::string>& found);
  // A command found these (a moved reply's hotkey): the ones not told yet.
  std::vector<std::string> NotYetSaid(const std::vector<std::string>& found);
  // Told by a command that always tells (a reply just saved).
  void Said(const std::string& message);
  // Another library: everything is new again.
  void Forget() { said_.clear(); }

 private:
  std::vector<std::string> Unsaid(const std::vector<std::string>& found) const;

  std::vector<std::string> said_;
};

}  // namespace tq::app
