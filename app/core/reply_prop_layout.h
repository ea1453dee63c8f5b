// The reply dialog's layout for a client size: the fields and the
// OK/Cancel/Help column at the top, the reply text below taking all the room
// the window gives, its buttons in the column at its right edge and the
// format check box under it. Sizes and places are screen pixels for a layout
// DPI (see ui/core/layout_scale.h); the constants are layout pixels (96 dpi).
#pragma once

#include "ui/core/form_placement.h"

namespace tq::app {

struct ReplyPropLayout {
  ui::core::Rect categoryLabel, categoryCombo;  // the combo with its list open
  ui::core::Rect descriptionLabel, descriptionEdit;
  ui::core::Rect hotKeyLabel, hotKey;
  ui::core::Rect okBtn, cancelBtn, helpBtn;
  ui::core::Rect responseLabel, responseRichEdit;
  ui::core::Rect pasteBtn, loadBtn, spellCheckBtn, removeFormatBtn;
  ui::core::Rect saveFormatCheck;
};

inline constexpr int kReplyPropClientWidth = 321;
inline constexpr int kReplyPropClientHeight = 366;

// The layout for this client size (never less than the minimum). With the
// spelling button hidden the buttons below it move up into its place.
ReplyPropLayout LayOutReplyProp(ui::core::Size client, bool spellCheckVisible, int dpi);

// The smallest client size at which no controls overlap.
ui::core::Size ReplyPropMinimumClient(bool spellCheckVisible, int dpi);

}  // namespace tq::app
