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

constexpr char32_t kReplacement = 0xFFFD;

// The next character of text at *i, advancing *i; kReplacement for a byte
// that is not part of a well-formed sequence (one byte consumed).
char32_t NextUtf8(std::string_view text, size_t* i) {
  const auto b0 = static_cast<uint8_t>(text[*i]);
  size_t len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (len == 0 || *i + len > text.size()) {
    ++*i;
    return b0 < 0x80 ? b0 : kReplacement;
  }
  char32_t cp = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (size_t k = 1; k < len; ++k) {
    const auto b = static_cast<uint8_t>(text[*i + k]);
    if ((b & 0xC0) != 0x80) {
      ++*i;
      return kReplacement;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++*i;
    return kReplacement;
  }
  *i += len;
  return cp;
}

// What NextUtf16 gives for a surrogate without its other half.
constexpr char32_t kLoneSurrogate = 0xD800;

// The character at text[*i], a surrogate pair taken whole (*i left on its
// second unit).
char32_t NextUtf16(std::u16string_view text, size_t* i) {
  const char32_t cp = text[*i];
  if (cp >= 0xD800 && cp <= 0xDBFF && *i + 1 < text.size() && text[*i + 1] >= 0xDC00 && text[*i + 1] <= 0xDFFF) {
    ++*i;
    return 0x10000 + ((cp - 0xD800) << 10) + (text[*i] - 0xDC00);
  }
  return cp >= 0xD800 && cp <= 0xDFFF ? kLoneSurrogate : cp;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const char32_t cp = NextUtf8(text, &i);
    if (cp < 0x10000) {
      out += static_cast<char16_t>(cp);
    } else {
      out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t cp = NextUtf16(text, &i);
    out += Utf8Of(cp == kLoneSurrogate ? kReplacement : cp);
  }
  return out;
}

size_t Utf8OffsetOf(std::string_view text, size_t utf16_offset) {
  size_t i = 0, units = 0;
  while (i < text.size()) {
    size_t next = i;
    const char32_t cp = NextUtf8(text, &next);
    units += cp < 0x10000 ? 1 : 2;
    if (units > utf16_offset) return i;
    i = next;
  }
  return text.size();
}

size_t Utf16OffsetOf(std::string_view text, size_t utf8_offset) {
  size_t i = 0, units = 0;
  while (i < text.size() && i < utf8_offset) {
    size_t next = i;
    const char32_t cp = NextUtf8(text, &next);
    if (next > utf8_offset) break;  // inside a character: its start
    units += cp < 0x10000 ? 1 : 2;
    i = next;
  }
  return units;
}

std::string Utf16ToCp1252(std::u16string_view text, char replacement) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t cp = NextUtf16(text, &i);
    if (cp == kLoneSurrogate) {
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
