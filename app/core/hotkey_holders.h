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

// Whether Windows takes two values for one combination: a bare key is
// registered with Ctrl, so F5 and Ctrl+F5 are one. 0 is no combination.
bool SameHotKeyCombination(uint32_t a, uint32_t b);

// A reply whose hotkey's combination an earlier reply of the library has:
// a rebuild gives the combination to the earlier one only.
struct HotKeyClash {
  int holder = 0;  // reply index of the first reply with the combination
  int loser = 0;   // reply index of a later one
  bool operator==(const HotKeyClash&) const = default;
};
// The clashes among hotkeys given by reply index, in the order of the
// losers.
std::vector<HotKeyClash> FindHotKeyClashes(const std::vector<uint32_t>& hotkeys);

// The first holder of value's combination; null for none and for 0.
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
