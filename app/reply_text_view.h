// A reply's Response (UTF-8, as the library's codec gives it) shown in a
// rich edit: a rich reply's RTF goes in as the bytes a rich edit reads, a
// plain reply as its exact text.
#pragma once

#include <string>
#include <string_view>

#include "ui/rich_edit.h"

namespace tq::app {

// The RTF bytes for the RTF text of a rich reply: ASCII as it is, any other
// character as the stored form writes it (a Windows-1252 byte or a \uN
// escape), which every RTF reader understands.
std::string RtfBytesOf(std::string_view rtf);

// Up to the first zero character, as stored: rich text when it reads as
// such, plain text otherwise.
void ShowReplyText(ui::RichEdit& edit, std::string_view response);

}  // namespace tq::app
