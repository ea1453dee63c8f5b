#include "app/core/text_case.h"

namespace tq::app {
namespace {

char Lower(char c) {
  auto b = static_cast<unsigned char>(c);
  if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x8A:
      return '\x9A';  // Š
    case 0x8C:
      return '\x9C';  // Œ
    case 0x8E:
      return '\x9E';  // Ž
    case 0x9F:
      return '\xFF';  // Ÿ
    default:
      return c;
  }
}

}  // namespace

std::string LowerCase1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

}  // namespace tq::app
