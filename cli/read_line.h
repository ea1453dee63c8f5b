// Reading standard input a line at a time, for quillet's interactive and
// pipe modes.
#pragma once

#include <cstdio>
#include <string>

namespace tq::cli {

// One line of input without its line end (LF or CR LF); false at the end of
// input.
inline bool ReadLine(FILE* in, std::string* line) {
  line->clear();
  int c;
  while ((c = std::fgetc(in)) != EOF && c != '\n') *line += static_cast<char>(c);
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return c != EOF || !line->empty();
}

}  // namespace tq::cli
