// Whether Windows would let synthesised keys through to a window: it drops
// input sent to a process that runs at a higher integrity level (a program
// run as administrator) without telling the sender. Levels are the
// mandatory-label RIDs (low 0x1000, medium 0x2000, high 0x3000, system 0x4000).
#pragma once

#include <cstdint>
#include <optional>

namespace tq::app {

// `own` is this program's level, unknown where the system has none (then
// nothing is dropped); `target` is the target process's, unknown when it
// could not be opened to ask, which only a more privileged process refuses.
bool KeysDroppedByIntegrity(std::optional<uint32_t> own, std::optional<uint32_t> target);

}  // namespace tq::app
