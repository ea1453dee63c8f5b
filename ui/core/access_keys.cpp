#include "ui/core/access_keys.h"

#include <cstdint>

#include "platform/utf16.h"

namespace tq::ui::core {
namespace {

// The bytes of the UTF-8 character a lead byte begins (1 for a byte that
// begins none).
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

// The character at byte `pos` of `text`.
char32_t CharacterAt(std::string_view text, size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return lead;
  const std::string_view bytes = text.substr(pos, SequenceLength(lead));
  const std::u16string units = platform::Utf8ToUtf16(bytes);
  if (units.size() == 1 && (units[0] != u'\uFFFD' || bytes == "\xEF\xBF\xBD")) return units[0];
  if (units.size() == 2 && units[0] >= 0xD800 && units[0] <= 0xDBFF && units[1] >= 0xDC00 && units[1] <= 0xDFFF)
    return 0x10000 + ((static_cast<char32_t>(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00);
  return lead;  // not UTF-8: the byte as a Latin-1 character
}

// In the blocks where capitals and small letters alternate, the capital is
// the even code point (or the odd one, where the block starts on an odd one).
char32_t PairedCapital(char32_t c, bool capitalIsEven) {
  const bool even = (c % 2) == 0;
  return even == capitalIsEven ? c : c - 1;
}

}  // namespace

std::optional<char32_t> AccessKey(std::string_view caption) {
  // "&" is ASCII and never part of a longer UTF-8 character.
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return CharacterAt(caption, i + 1);
    ++i;  // "&&": a literal ampersand
  }
  return std::nullopt;
}

char32_t FoldAccessKey(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 32;
  if (c < 0xE0) return c;
  if (c <= 0xFE) return c == 0xF7 ? c : c - 32;  // the division sign has no capital
  if (c == 0xFF) return 0x178;                   // ÿ Ÿ
  if (c == 0x131) return U'I';                   // dotless i
  if (c >= 0x100 && c <= 0x137 && c != 0x130) return PairedCapital(c, true);
  if (c >= 0x139 && c <= 0x148) return PairedCapital(c, false);
  if (c >= 0x14A && c <= 0x177) return PairedCapital(c, true);
  if (c >= 0x179 && c <= 0x17E) return PairedCapital(c, false);
  if (c == 0x17F) return U'S';  // long s
  // Greek.
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 37;
  if (c == 0x3C2) return 0x3A3;  // final sigma
  if (c >= 0x3B1 && c <= 0x3CB) return c - 32;
  if (c == 0x3CC) return 0x38C;
  if (c >= 0x3CD && c <= 0x3CE) return c - 63;
  // Cyrillic.
  if (c >= 0x430 && c <= 0x44F) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
    return PairedCapital(c, true);
  if (c >= 0x4C1 && c <= 0x4CE) return PairedCapital(c, false);
  if (c == 0x4CF) return 0x4C0;
  // Latin letters with marks above and below (Vietnamese among others).
  if ((c >= 0x1E00 && c <= 0x1E95) || (c >= 0x1EA0 && c <= 0x1EFF)) return PairedCapital(c, true);
  return c;
}

bool MatchesAccessKey(std::string_view caption, char32_t typed) {
  const std::optional<char32_t> key = AccessKey(caption);
  return key && FoldAccessKey(*key) == FoldAccessKey(typed);
}

std::vector<AccessKeyClash> AccessKeyClashes(const std::vector<std::string>& captions) {
  std::vector<AccessKeyClash> all;
  for (const std::string& caption : captions) {
    const std::optional<char32_t> key = AccessKey(caption);
    if (!key) continue;
    const char32_t folded = FoldAccessKey(*key);
    auto it = all.begin();
    while (it != all.end() && it->key != folded) ++it;
    if (it == all.end()) {
      all.push_back({folded, {caption}});
    } else {
      it->captions.push_back(caption);
    }
  }
  std::vector<AccessKeyClash> clashes;
  for (AccessKeyClash& c : all)
    if (c.captions.size() > 1) clashes.push_back(std::move(c));
  return clashes;
}

std::vector<AccessKeyClash> AccessKeyClashes(const std::vector<std::string>& captions, int /*codePage*/) {
  return AccessKeyClashes(captions);
}

std::vector<std::string> CaptionsWithoutAccessKey(const std::vector<std::string>& captions) {
  std::vector<std::string> out;
  for (const std::string& caption : captions)
    if (!AccessKey(caption)) out.push_back(caption);
  return out;
}

}  // namespace tq::ui::core
