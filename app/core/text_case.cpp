#include "app/core/text_case.h"

#include <cstdint>

namespace tq::app {
namespace {

// The lower-case partner of a character of two UTF-8 bytes (U+0080-U+07FF),
// itself when it has none.
char32_t LowerTwoByte(char32_t c) {
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if ((c >= 0x0100 && c <= 0x012F) || (c >= 0x0132 && c <= 0x0137) || (c >= 0x014A && c <= 0x0177) ||
      (c >= 0x0218 && c <= 0x021B))
    return c % 2 == 0 ? c + 1 : c;
  if ((c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E)) return c % 2 == 1 ? c + 1 : c;
  if (c == 0x0178) return 0xFF;
  // Greek.
  if ((c >= 0x0391 && c <= 0x03AB && c != 0x03A2)) return c + 0x20;
  if (c == 0x0386) return 0x03AC;
  if (c >= 0x0388 && c <= 0x038A) return c + 0x25;
  if (c == 0x038C) return 0x03CC;
  if (c == 0x038E || c == 0x038F) return c + 0x3F;
  if (c == 0x03C2) return 0x03C3;
  // Cyrillic.
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  if ((c >= 0x0460 && c <= 0x0481) || (c >= 0x048A && c <= 0x04BF) || (c >= 0x04D0 && c <= 0x052F))
    return c % 2 == 0 ? c + 1 : c;
  if (c >= 0x04C1 && c <= 0x04CE) return c % 2 == 1 ? c + 1 : c;
  if (c == 0x04C0) return 0x04CF;
  return c;
}

// Lower-cases the character at text[*i] into out and moves past it.
void LowerAt(std::string_view text, size_t* i, std::string* out) {
  const auto b = static_cast<unsigned char>(text[*i]);
  if (b < 0x80) {
    *out += static_cast<char>(b >= 'A' && b <= 'Z' ? b + 0x20 : b);
    ++*i;
    return;
  }
  const auto next = *i + 1 < text.size() ? static_cast<unsigned char>(text[*i + 1]) : 0;
  if (b >= 0xC2 && b <= 0xDF && (next & 0xC0) == 0x80) {
    const char32_t lower = LowerTwoByte(((b & 0x1Fu) << 6) | (next & 0x3Fu));
    *out += static_cast<char>(0xC0 | (lower >> 6));
    *out += static_cast<char>(0x80 | (lower & 0x3F));
    *i += 2;
    return;
  }
  *out += static_cast<char>(b);  // longer characters have no partner here
  ++*i;
}

}  // namespace

std::string LowerCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) LowerAt(utf8, &i, &out);
  return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && LowerCase(a) == LowerCase(b);
}

}  // namespace tq::app
