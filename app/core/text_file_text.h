// The text of a plain text file the user loads into a reply, as UTF-8.
// Files come in whatever form their editor saved them: UTF-16 with its byte
// order mark (Notepad's "Unicode"), UTF-8 with or without a mark, or, from
// older editors, Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace tq::app {

// Marked UTF-16 (little- or big-endian) and UTF-8 lose their mark; unmarked
// bytes that are well-formed UTF-8 are taken as such, any others as
// Windows-1252.
std::string TextFileText(std::string_view bytes);

}  // namespace tq::app
