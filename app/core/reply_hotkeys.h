// Registering a reply's hotkey with a refusal that names the reply (and the
// hotkey holding the combination when it is one of the program's own), and
// keeping reply hotkeys on their replies when adding or deleting a reply
// shifts the indexes of others: a reply's hotkey is registered under
// 6426 + its index, so each shifted reply's hotkey moves to its new id.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "app/core/hotkey_holders.h"
#include "app/core/hotkey_registration.h"

namespace tq::app {

// Registers value, the hotkey of the reply described so, under 6426 + index.
// A refusal shows ReplyHotKeyFailure through the registrar, with the holder
// of the combination found in holders. The result is the value the reply
// now holds: value when registered, 0 when refused or none.
uint32_t RegisterReplyHotKey(const HotKeyRegistrar& registrar, uint32_t value, std::string_view description, int index,
                             const std::vector<HotKeyHolder>& holders);

// Unregisters the ids of every old index first (so that no move collides
// with a hotkey not yet moved), then registers each shifted reply's non-zero
// hotkey under its new index, old index + delta. hotkey_of gives a reply's
// packed hotkey by its new index.
void MoveReplyHotKeys(const std::vector<int>& old_indexes, int delta, const std::function<void(int id)>& unregister,
                      const HotKeyRegistrar& registrar, const std::function<int32_t(int new_index)>& hotkey_of);

}  // namespace tq::app
