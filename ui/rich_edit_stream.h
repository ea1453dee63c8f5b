// Text into and out of a rich edit control through its stream messages
// (EM_STREAMIN, EM_STREAMOUT), for the toolkit's rich text controls.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tq::ui {

// Replaces the control's content with `text` read in `format` (SF_RTF or
// SF_TEXT); false when the control reports an error reading it.
bool StreamIntoRichEdit(HWND control, std::string_view text, UINT format);

// The control's content written in `format`.
std::string StreamOutOfRichEdit(HWND control, UINT format);

}  // namespace tq::ui
