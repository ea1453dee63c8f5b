// Comma-separated values as spreadsheets write them (RFC 4180): fields in
// double quotes when they hold a comma, a quote or a line break, quotes
// doubled inside. Line breaks inside quoted fields are kept exactly.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tq::cli::csv {

using Row = std::vector<std::string>;

// Reads every row (a final line break is optional; a UTF-8 byte order mark
// at the start is skipped). On failure returns false with *error naming the
// line ("line 4: ...").
bool Parse(std::string_view text, std::vector<Row>* rows, std::string* error);

// One row, ending with CR LF.
std::string FormatRow(const Row& row);

}  // namespace tq::cli::csv
