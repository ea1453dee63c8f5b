// Keeping reply hotkeys on their replies when adding or deleting a reply
// shifts the indexes of others: a reply's hotkey is registered under
// 6426 + its index, so each shifted reply's hotkey moves to its new id.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/core/hotkey_registration.h"

namespace tq::app {

// Unregisters the ids of every old index first (so that no move collides
// with a hotkey not yet moved), then registers each shifted reply's non-zero
// hotkey under its new index, old index + delta. hotkey_of gives a reply's
// packed hotkey by its new index.
void MoveReplyHotKeys(const std::vector<int>& old_indexes, int delta, const std::function<void(int id)>& unregister,
                      const HotKeyRegistrar& registrar, const std::function<int32_t(int new_index)>& hotkey_of);

}  // namespace tq::app
