#include "ui/core/access_keys.h"

#include <array>
#include <cstdint>

namespace tq::ui::core {
namespace {

using FoldTable = std::array<uint8_t, 256>;

// Capitals of the letters of one code page: ASCII, then the code page's own
// pairs of small and capital letters.
constexpr FoldTable MakeFold(int codePage) {
  FoldTable t{};
  for (int b = 0; b < 256; ++b) t[b] = static_cast<uint8_t>(b);
  auto pair = [&t](int capital, int small) { t[small] = static_cast<uint8_t>(capital); };
  for (int b = 'A'; b <= 'Z'; ++b) pair(b, b + 32);
  if (codePage == 1251) {
    for (int b = 0xC0; b <= 0xDF; ++b) pair(b, b + 32);  // А-Я, а-я
    pair(0xA8, 0xB8);                                    // Ё ё
    pair(0x80, 0x90);
    pair(0x81, 0x83);
    pair(0x8A, 0x9A);
    pair(0x8C, 0x9C);
    pair(0x8D, 0x9D);
    pair(0x8E, 0x9E);
    pair(0x8F, 0x9F);
    pair(0xA1, 0xA2);
    pair(0xA3, 0xBC);
    pair(0xA5, 0xB4);
    pair(0xAA, 0xBA);
    pair(0xAF, 0xBF);
    pair(0xB2, 0xB3);
    pair(0xBD, 0xBE);
  } else if (codePage == 1250 || codePage == 1252) {
    for (int b = 0xC0; b <= 0xDE; ++b)
      if (b != 0xD7) pair(b, b + 32);  // 0xD7 and 0xF7 are the multiplication and division signs
    pair(0x8A, 0x9A);
    pair(0x8C, 0x9C);
    pair(0x8E, 0x9E);
    if (codePage == 1252) {
      pair(0x9F, 0xFF);  // Y with diaeresis
    } else {
      pair(0x8D, 0x9D);
      pair(0x8F, 0x9F);
      pair(0xA3, 0xB3);  // L with stroke
      pair(0xA5, 0xB9);  // A with ogonek
      pair(0xAA, 0xBA);
      pair(0xAF, 0xBF);
      pair(0xBC, 0xBE);
    }
  }
  return t;
}

constexpr FoldTable kFold1250 = MakeFold(1250);
constexpr FoldTable kFold1251 = MakeFold(1251);
constexpr FoldTable kFold1252 = MakeFold(1252);
constexpr FoldTable kFoldAscii = MakeFold(0);

}  // namespace

std::optional<char> AccessKey(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;  // "&&": a literal ampersand
  }
  return std::nullopt;
}

char FoldAccessKey(char key, int codePage) {
  const FoldTable& t = codePage == 1250   ? kFold1250
                       : codePage == 1251 ? kFold1251
                       : codePage == 1252 ? kFold1252
                                          : kFoldAscii;
  return static_cast<char>(t[static_cast<uint8_t>(key)]);
}

bool MatchesAccessKey(std::string_view caption, char typed, int codePage) {
  const std::optional<char> key = AccessKey(caption);
  return key && FoldAccessKey(*key, codePage) == FoldAccessKey(typed, codePage);
}

std::vector<AccessKeyClash> AccessKeyClashes(const std::vector<std::string>& captions, int codePage) {
  std::vector<AccessKeyClash> all;
  for (const std::string& caption : captions) {
    const std::optional<char> key = AccessKey(caption);
    if (!key) continue;
    const char folded = FoldAccessKey(*key, codePage);
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

std::vector<std::string> CaptionsWithoutAccessKey(const std::vector<std::string>& captions) {
  std::vector<std::string> out;
  for (const std::string& caption : captions)
    if (!AccessKey(caption)) out.push_back(caption);
  return out;
}

}  // namespace tq::ui::core
