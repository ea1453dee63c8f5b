// The reply dialog's layout for a client size, in layout pixels (96 dpi): the
// fields and the OK/Cancel/Help column at the top, the reply text below
// taking all the room the window gives, its buttons in the column at its
// right edge and the format check box under it.
#pragma once

#include "ui/geometry.h"

namespace tq::app {

struct ReplyPropLayout {
  ui::Rect categoryLabel, categoryCombo;
  ui::Rect descriptionLabel, descriptionEdit;
  ui::Rect hotKeyLabel, hotKey;
  ui::Rect okBtn, cancelBtn, helpBtn;
  ui::Rect responseLabel, responseRichEdit;
  ui::Rect pasteBtn, loadBtn, spellCheckBtn, removeFormatBtn;
  ui::Rect saveFormatCheck;
};

inline constexpr int kReplyPropClientWidth = 321;
inline constexpr int kReplyPropClientHeight = 366;

// The layout for this client size. With the spelling button hidden the
// buttons below it move up into its place.
ReplyPropLayout LayOutReplyProp(int width, int height, bool spellCheckVisible);

// The smallest client size at which no controls overlap.
ui::Rect ReplyPropMinimumClient(bool spellCheckVisible);

}  // namespace tq::app
