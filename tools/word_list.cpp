#include "tools/word_list.h"

#include "platform/codepage.h"

namespace tq::tools {

TWordList ReadUtf8WordList(std::string_view text) {
  TWordList list;
  size_t start = 0;
  std::string converted;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (platform::Utf8ToCp1252(line, &converted)) {
      list.words.push_back(converted);
    } else {
      if (list.skipped++ == 0) list.firstSkipped.assign(line);
    }
  }
  return list;
}

}  // namespace tq::tools
