#include "app/core/said_once.h"

#include <algorithm>

namespace tq::app {

std::vector<std::string> SaidOnce::Unsaid(const std::vector<std::string>& found) const {
  std::vector<std::string> fresh;
  for (const std::string& message : found)
    if (std::find(said_.begin(), said_.end(), message) == said_.end()) fresh.push_back(message);
  return fresh;
}

std::vector<std::string> SaidOnce::AfterRebuild(const std::vector<std::string>& found) {
  std::vector<std::string> fresh = Unsaid(found);
  said_ = found;
  return fresh;
}

std::vector<std::string> SaidOnce::NotYetSaid(const std::vector<std::string>& found) {
  std::vector<std::string> fresh = Unsaid(found);
  said_.insert(said_.end(), fresh.begin(), fresh.end());
  return fresh;
}

void SaidOnce::Said(const std::string& message) {
  if (Unsaid({message}).empty()) return;
  said_.push_back(message);
}

}  // namespace tq::app
