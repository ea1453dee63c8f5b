// TLineParser: the string cursor for a text of many lines, whose GetLine
// answers the line the cursor is in rather than the whole text, so that a
// rule that judges a word by its line (quoted lines) judges each line alone.
#pragma once

#include <string>

#include "spell/engine/string_parser.h"

namespace tq::cli {

class TLineParser final : public spell::TStringParser {
 public:
  explicit TLineParser(std::string& target) : spell::TStringParser(target), text_(target) {}
  void GetLine(std::string& line) override;

 private:
  const std::string& text_;
};

}  // namespace tq::cli
