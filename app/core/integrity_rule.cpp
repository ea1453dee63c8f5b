#include "app/core/integrity_rule.h"

namespace tq::app {

bool KeysDroppedByIntegrity(std::optional<uint32_t> own, std::optional<uint32_t> target) {
  if (!own) return false;
  if (!target) return true;
  return *target > *own;
}

}  // namespace tq::app
