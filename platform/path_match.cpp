#include "platform/path_match.h"

#include <cctype>

namespace tq::platform {

namespace {
bool SameChar(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}
}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  // Iterative matcher with one backtrack point for the last '*'.
  size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && SameChar(pattern[p], name[n])))) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace tq::platform
