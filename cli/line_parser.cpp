#include "cli/line_parser.h"

#include <algorithm>

namespace tq::cli {

void TLineParser::GetLine(std::string& line) {
  int32_t x = 0, y = 0;
  GetPosition(x, y);
  // The cursor stands after the word being judged: its last character is
  // the one before.
  const size_t at = std::min(static_cast<size_t>(std::max(x - 2, 0)), text_.empty() ? 0 : text_.size() - 1);
  const size_t before = at == 0 ? std::string::npos : text_.rfind('\n', at - 1);
  const size_t start = before == std::string::npos ? 0 : before + 1;
  const size_t end = std::min(text_.find('\n', at), text_.size());
  line = text_.substr(start, end - start);
}

}  // namespace tq::cli
