#include "cli/csv.h"

namespace tq::cli::csv {

bool Parse(std::string_view text, std::vector<Row>* rows, std::string* error) {
  rows->clear();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  size_t pos = 0, line = 1;
  while (pos < text.size()) {
    Row row;
    const size_t rowLine = line;
    for (;;) {
      std::string field;
      if (pos < text.size() && text[pos] == '"') {
        ++pos;
        for (;;) {
          if (pos >= text.size()) {
            *error = "line " + std::to_string(rowLine) + ": a quoted field is not closed";
            return false;
          }
          char c = text[pos++];
          if (c == '"') {
            if (pos < text.size() && text[pos] == '"') {
              field += '"';
              ++pos;
              continue;
            }
            break;
          }
          if (c == '\n') ++line;
          field += c;
        }
        if (pos < text.size() && text[pos] != ',' && text[pos] != '\r' && text[pos] != '\n') {
          *error = "line " + std::to_string(line) + ": text after the closing quote of a field";
          return false;
        }
      } else {
        while (pos < text.size() && text[pos] != ',' && text[pos] != '\r' && text[pos] != '\n') {
          if (text[pos] == '"') {
            *error = "line " + std::to_string(line) + ": a quote inside a field that does not start with one";
            return false;
          }
          field += text[pos++];
        }
      }
      row.push_back(std::move(field));
      if (pos < text.size() && text[pos] == ',') {
        ++pos;
        continue;
      }
      break;
    }
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') {
      ++pos;
      ++line;
    }
    rows->push_back(std::move(row));
  }
  return true;
}

std::string FormatRow(const Row& row) {
  std::string out;
  for (size_t i = 0; i < row.size(); ++i) {
    if (i) out += ',';
    const std::string& f = row[i];
    if (f.find_first_of(",\"\r\n") == std::string::npos) {
      out += f;
      continue;
    }
    out += '"';
    for (char c : f) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  return out + "\r\n";
}

}  // namespace tq::cli::csv
