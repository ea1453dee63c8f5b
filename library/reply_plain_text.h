// The readable text of a stored reply: rich text (RTF) reduced to its
// characters, for searching and listing; plain text is returned as it is.
#pragma once

#include <string>
#include <string_view>

namespace tq::library {

// The text is UTF-8, and so is the RTF (the record's Response: any byte of it
// above 0x7F is part of a UTF-8 character, kept as it is). Paragraph and line
// breaks become "\r\n", tabs stay tabs; font, colour and style tables,
// pictures and other "\*" destinations are dropped; "\'hh" gives the
// character of the document's \ansicpg (1251 and 1253 known, any other read
// as 1252, the default); "\uN" gives UTF-16 unit N (a pair of them one
// character, a lone half U+FFFD) and drops the \ucN fallback characters after
// it. Damaged RTF gives what could be read, never an error.
std::string RtfPlainText(std::string_view rtf);

// RtfPlainText for rich replies (IsFormattedResponse), the text itself otherwise.
std::string ReplyPlainText(std::string_view response);

}  // namespace tq::library
