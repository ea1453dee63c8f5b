// Whether a control's caption fits it, measured with the control's own font:
// the text (access-key marks not counted) and, for a check box or a radio
// button, its glyph and the gap after it; for a push button the margins
// inside its frame; for a group box the indent of its caption. Dialogs
// whose captions change with the language lay themselves out from these
// measures, and the caption-fit tests check every dialog with them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tq::ui {

class Wnd;

// The width `control` needs to show its caption whole on one line, in
// pixels; 0 for a control without a caption.
int CaptionWidthNeeded(HWND control);
int CaptionWidthNeeded(const Wnd& control);
// The same for a caption `control` shows at other times.
int CaptionWidthNeeded(const Wnd& control, const std::string& caption);

// True when the caption shows whole: on one line within the control's
// width, or, for a control several lines high that wraps its text, wrapped
// at its width within its height.
bool CaptionFits(HWND control);

// Every shown static, button, check box, radio button and group box of
// `form` whose caption does not fit: "Class 'caption' needs N, has M" each.
std::vector<std::string> CutCaptions(HWND form);

}  // namespace tq::ui
