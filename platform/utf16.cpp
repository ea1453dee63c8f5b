#include "platform/utf16.h"

#include <cstdint>

#include "platform/codepage.h"

namespace tq::platform {

namespace {

// Goes through UTF-8 so that the Windows-1252 table lives in one place.
std::string Utf8Of(uint32_t cp) {
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

}  // namespace

std::string Utf16ToCp1252(std::u16string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      out += replacement;
      continue;
    }
    std::string one;
    out += Utf8ToCp1252(Utf8Of(cp), &one) && one.size() == 1 ? one[0] : replacement;
  }
  return out;
}

std::u16string Cp1252ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char ch : text) {
    // Every Windows-1252 byte is one character of the Basic Multilingual Plane.
    std::string u = Cp1252ToUtf8(std::string_view(&ch, 1));
    auto b0 = static_cast<uint8_t>(u[0]);
    uint32_t cp = b0;
    if (u.size() == 2) cp = ((b0 & 0x1F) << 6) | (static_cast<uint8_t>(u[1]) & 0x3F);
    if (u.size() == 3)
      cp = ((b0 & 0x0F) << 12) | ((static_cast<uint8_t>(u[1]) & 0x3F) << 6) | (static_cast<uint8_t>(u[2]) & 0x3F);
    out += static_cast<char16_t>(cp);
  }
  return out;
}

}  // namespace tq::platform
