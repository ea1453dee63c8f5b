// Which of the program's own global hotkeys holds a key combination (the
// main window's, the reply menu's, the search's, or a reply's), and the
// words that name it when another hotkey cannot have the combination.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tq::app {

struct HotKeyHolder {
  uint32_t value = 0;  // packed value, as stored
  std::string name;    // ends a sentence: `the hotkey of the reply "Thanks"`
};

inline constexpr std::string_view kMainHotKeyName = "the hotkey that shows the main window";
inline constexpr std::string_view kMenuHotKeyName = "the hotkey of the reply menu";
inline constexpr std::string_view kSearchHotKeyName = "the hotkey of the reply search";
// `the hotkey of the reply "<description>"`.
std::string ReplyHotKeyName(std::string_view description);

// The first holder of value's combination (library::SameHotKeyCombination); null for none and for 0.
const HotKeyHolder* FindHotKeyHolder(const std::vector<HotKeyHolder>& holders, uint32_t value);

// What the reply dialog says when a combination typed into its hotkey box
// is another hotkey's: `Ctrl+Alt+R is already the hotkey of the reply "A".`
std::string HotKeyTakenText(uint32_t value, const HotKeyHolder& holder);

// The message for a reply's hotkey that could not be registered, naming
// the reply. Held by another of the program's hotkeys (holder):
//   Could not register the hotkey: Ctrl+Alt+R
//   (blank line)
//   The reply "B" cannot have it: it is already the hotkey of the reply "A".
//   Please choose a different hotkey for one of them.
// Refused by another program (holder null): the registration failure's
// words, then a blank line and `It is the hotkey of the reply "B".`
std::string ReplyHotKeyFailure(uint32_t value, std::string_view description, const HotKeyHolder* holder);

}  // namespace tq::app
