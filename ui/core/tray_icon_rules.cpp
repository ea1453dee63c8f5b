#include "ui/core/tray_icon_rules.h"

#include <algorithm>

#include "platform/utf16.h"

namespace tq::ui::core {

TrayTip MakeTrayTip(const std::string& hint, bool showHint) {
  TrayTip tip{};
  if (!showHint || hint.empty()) return tip;
  const std::u16string text = platform::Utf8ToUtf16(hint);
  size_t n = std::min(text.size(), tip.size() - 1);
  if (n < text.size() && n > 0 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;  // a high surrogate
  std::copy_n(text.begin(), n, tip.begin());
  return tip;
}

int NextIconIndex(int index, int count) {
  if (index < 0 || index + 1 >= count) return 0;
  return index + 1;
}

TShiftState MakeShiftState(const ModifierKeys& keys, std::optional<MouseButton> button) {
  TShiftState state = 0;
  if (keys.shift) state |= ssShift;
  if (keys.alt) state |= ssAlt;
  if (keys.ctrl) state |= ssCtrl;
  if (button) {
    switch (*button) {
      case MouseButton::mbLeft:
        state |= ssLeft;
        break;
      case MouseButton::mbRight:
        state |= ssRight;
        break;
      case MouseButton::mbMiddle:
        state |= ssMiddle;
        break;
    }
  }
  return state;
}

}  // namespace tq::ui::core
