#include "spell/engine/control_text.h"

#include <array>
#include <utility>

#include "platform/utf16.h"

namespace tq::spell {

namespace {

constexpr char16_t kReplacementUnit = 0xFFFD;

// The characters of bytes 0x80-0x9F; 0 where Windows-1252 has none.
const std::array<char16_t, 32>& HighControlBlock() {
  static const std::array<char16_t, 32> block = [] {
    std::array<char16_t, 32> b{};
    for (int i = 0; i < 32; ++i) {
      const char byte = static_cast<char>(0x80 + i);
      const std::u16string unit = platform::Cp1252ToUtf16(std::string_view(&byte, 1));
      // The undefined bytes come back as the C1 control of the same number.
      b[static_cast<size_t>(i)] = unit[0] == 0x80 + i ? 0 : unit[0];
    }
    return b;
  }();
  return block;
}

}  // namespace

char EngineByteOfUnit(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  if (unit >= 0x100) {
    const auto& block = HighControlBlock();
    for (size_t i = 0; i < block.size(); ++i)
      if (block[i] == unit) return static_cast<char>(0x80 + i);
  }
  return kForeignUnit;
}

std::string EngineTextOfUtf16(std::u16string_view text) {
  std::string out(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) out[i] = EngineByteOfUnit(text[i]);
  return out;
}

std::string EngineTextOfUtf8(std::string_view text) { return EngineTextOfUtf16(platform::Utf8ToUtf16(text)); }

std::u16string Utf16OfEngineText(std::string_view text) {
  std::u16string out = platform::Cp1252ToUtf16(text);
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == kForeignUnit) out[i] = kReplacementUnit;
  return out;
}

std::string Utf8OfEngineText(std::string_view text) { return platform::Utf16ToUtf8(Utf16OfEngineText(text)); }

bool EngineTextOfUtf8Exact(std::string_view text, std::string* engine) {
  std::string out = EngineTextOfUtf8(text);
  if (HoldsForeignUnit(out) || Utf8OfEngineText(out) != text) return false;
  *engine = std::move(out);
  return true;
}

}  // namespace tq::spell
