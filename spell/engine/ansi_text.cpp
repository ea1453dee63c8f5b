#include "spell/engine/ansi_text.h"

#include <array>
#include <cstdint>

namespace tq::spell {

namespace {

struct CaseTables {
  std::array<uint8_t, 256> lower{};
  std::array<uint8_t, 256> upper{};
  constexpr CaseTables() {
    for (int b = 0; b < 256; ++b) lower[b] = upper[b] = static_cast<uint8_t>(b);
    auto pair = [this](int up, int low) {
      lower[up] = static_cast<uint8_t>(low);
      upper[low] = static_cast<uint8_t>(up);
    };
    for (int b = 'A'; b <= 'Z'; ++b) pair(b, b + 32);
    for (int b = 0xC0; b <= 0xDE; ++b)
      if (b != 0xD7) pair(b, b + 32);  // 0xD7 and 0xF7 are the multiplication and division signs
    pair(0x8A, 0x9A);                  // S caron
    pair(0x8C, 0x9C);                  // OE
    pair(0x8E, 0x9E);                  // Z caron
    pair(0x9F, 0xFF);                  // Y diaeresis
  }
};

constexpr CaseTables kCase;

}  // namespace

char AnsiLowerChar(char ch) { return static_cast<char>(kCase.lower[static_cast<uint8_t>(ch)]); }
char AnsiUpperChar(char ch) { return static_cast<char>(kCase.upper[static_cast<uint8_t>(ch)]); }

std::string AnsiLowerCase(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = AnsiLowerChar(ch);
  return out;
}

std::string AnsiUpperCase(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = AnsiUpperChar(ch);
  return out;
}

bool AnsiSameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AnsiLowerChar(a[i]) != AnsiLowerChar(b[i])) return false;
  return true;
}

}  // namespace tq::spell
