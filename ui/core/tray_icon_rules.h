// The window-free rules of TFormEnhance's tray icon: the 64-character tip the
// shell is given, the order in which an animation walks its images, and the
// shift state reported with the icon's mouse events.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace tq::ui::core {

// The tip field of the tray record, UTF-16: the hint (UTF-8) cut to 63 units
// and ended with a zero when it is shown, otherwise 64 zeros. A cut never
// splits a surrogate pair: the shell would show half a character.
using TrayTip = std::array<char16_t, 64>;
TrayTip MakeTrayTip(const std::string& hint, bool showHint);

// The image after `index` in a list of `count` images: 0, 1, ..., count-1,
// 0, ... An index left beyond a list that has shrunk starts again at 0.
int NextIconIndex(int index, int count);

enum class MouseButton { mbLeft, mbRight, mbMiddle };

// A set of modifier keys and mouse buttons.
enum ShiftFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = unsigned;

struct ModifierKeys {
  bool shift = false, alt = false, ctrl = false;
};
// The keys that are down, plus the flag of the button a down or up event is
// about (none for a move).
TShiftState MakeShiftState(const ModifierKeys& keys, std::optional<MouseButton> button);

}  // namespace tq::ui::core
