// The text a reader sees in a rich text (RTF) reply: formatting, font and
// colour tables, pictures and other hidden destinations dropped, escapes
// and special characters turned into Windows-1252 characters, paragraphs
// into line breaks. Used where replies are read without a rich edit
// control (the library's spelling report) so the words match what the
// program's rich edit shows.
#pragma once

#include <string>
#include <string_view>

namespace tq::app {

std::string RtfPlainText(std::string_view rtf);

// The text of a stored reply: RtfPlainText of a formatted one, the plain
// text unchanged otherwise.
std::string ReplyPlainText(std::string_view response);

}  // namespace tq::app
