// Text into and out of a rich edit control through its stream messages
// (EM_STREAMIN, EM_STREAMOUT), for the toolkit's rich text controls: RTF as
// the bytes it is made of, plain text as UTF-16.
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

// Replaces the control's content with the UTF-8 `text`, taken literally (a
// text that starts with "{\rtf" is still plain text); false when the
// control reports an error reading it.
bool SetRichEditPlainText(HWND control, std::string_view text);

}  // namespace tq::ui
