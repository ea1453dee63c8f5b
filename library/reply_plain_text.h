// A reply's plain text: what is pasted and copied as text, searched and
// spell-checked, the same for the program and quillet.
#pragma once

#include <string>
#include <string_view>

namespace tq::library {

// The text of a reply's Response (UTF-8, up to its first zero character) as
// a rich edit shows it, one line per paragraph, each line ending in CR LF
// (the last one too: "Thanks" gives "Thanks\r\n").
//
// Plain text: CR LF, a lone CR and a lone LF each end a paragraph.
// Rich text (a Response that begins with "{\rtf" and is formatted, see
// storage::IsFormattedReply; any other is shown as plain text): \par and
// \line end a paragraph, the document's own last paragraph mark merges with
// the rich edit's; \tab is a tab; \emdash, \endash, \bullet, the quotes and
// spaces of RTF and \~, \_, \- are their characters; font, colour and style
// tables, pictures and other "\*" destinations (the stored form's marker
// groups among them) are dropped; "\'hh" gives the character of the
// document's \ansicpg (1251 and 1253 known, any other read as 1252, the
// default); "\uN" gives UTF-16 unit N (a pair of them one character, a lone
// half U+FFFD) and drops the \ucN fallback characters after it; bytes above
// 0x7F are UTF-8 kept as they are. Damaged RTF gives what could be read,
// never an error.
std::string ReplyPlainText(std::string_view response);

}  // namespace tq::library
