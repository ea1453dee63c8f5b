// The readable text of a stored reply: rich text (RTF) reduced to its
// characters, for searching and listing; plain text is returned as it is.
#pragma once

#include <string>
#include <string_view>

namespace tq::app {

// Paragraph and line breaks become "\r\n", tabs stay tabs; font, colour and
// style tables, pictures and other "\*" destinations are dropped; "\'hh"
// gives its byte, "\uN" its fallback character. Damaged RTF gives what could
// be read, never an error.
std::string RtfPlainText(std::string_view rtf);

// RtfPlainText for rich replies (IsFormattedResponse), the text itself otherwise.
std::string ReplyPlainText(std::string_view response);

}  // namespace tq::app
