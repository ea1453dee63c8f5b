#include "cli/engine_text.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "platform/codepage.h"

namespace tq::cli {

namespace {

// Length of the UTF-8 sequence at s[i] and its code point; 0 when invalid.
size_t Decode(const std::string& s, size_t i, uint32_t* cp) {
  const auto b = static_cast<unsigned char>(s[i]);
  size_t n = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  *cp = n == 1 ? b : b & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    const auto c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    *cp = (*cp << 6) | (c & 0x3F);
  }
  static const uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (*cp < kMin[n] || *cp > 0x10FFFF || (*cp >= 0xD800 && *cp <= 0xDFFF)) return 0;
  return n;
}

// Characters that end a word: ASCII that is neither letter, digit nor
// apostrophe, and the punctuation and symbol blocks beyond Latin-1.
bool Separates(uint32_t cp) {
  if (cp < 0x80) return !((cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9') || cp == '\'');
  return (cp >= 0x2000 && cp <= 0x2BFF) || (cp >= 0x3000 && cp <= 0x303F) || (cp >= 0xFE30 && cp <= 0xFE4F) ||
         cp >= 0x1F000 || cp == 0xA0;
}

struct Character {
  size_t start, length;
  bool held;  // Windows-1252 cannot hold it
  bool separates;
  char ansi;
};

}  // namespace

bool ToEngineText(const std::string& utf8, EngineText* text) {
  *text = EngineText();
  // A control character the text does not use.
  for (char c = 1; c < 0x20 && !text->placeholder; ++c)
    if (c != '\t' && c != '\n' && c != '\r' && utf8.find(c) == std::string::npos) text->placeholder = c;
  if (!text->placeholder) return false;
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    // ASCII, as most lines are: the same bytes in Windows-1252.
    text->ansi = utf8;
    text->characters.resize(utf8.size() + 1);
    std::iota(text->characters.begin(), text->characters.end(), size_t{0});
    return true;
  }
  std::vector<Character> chars;
  chars.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    uint32_t cp = 0;
    const size_t n = Decode(utf8, i, &cp);
    if (n == 0) return false;
    if (n == 1) {  // the same byte in Windows-1252
      chars.push_back({i, 1, false, Separates(cp), utf8[i]});
      ++i;
      continue;
    }
    std::string one;
    const bool holds = platform::Utf8ToCp1252(std::string_view(utf8).substr(i, n), &one) && one.size() == 1;
    chars.push_back({i, n, !holds, Separates(cp), holds ? one[0] : '\0'});
    i += n;
  }

  for (size_t k = 0; k < chars.size();) {
    if (!chars[k].held) {
      text->ansi += chars[k].ansi;
      text->characters.push_back(k);
      ++k;
      continue;
    }
    // The whole run of word characters around it, or the symbol alone.
    size_t first = k, last = k + 1;
    if (!chars[k].separates) {
      while (first > 0 && !chars[first - 1].separates && !text->ansi.empty() &&
             text->ansi.back() != text->placeholder) {
        --first;
        text->ansi.pop_back();
        text->characters.pop_back();
      }
      while (last < chars.size() && !chars[last].separates) ++last;
    }
    text->held.push_back(utf8.substr(chars[first].start, chars[last - 1].start + chars[last - 1].length -
                                                             chars[first].start));
    text->ansi += text->placeholder;
    text->characters.push_back(first);
    k = last;
  }
  text->characters.push_back(chars.size());
  return true;
}

bool FromEngineText(const std::string& ansi, const EngineText& text, std::string* utf8) {
  utf8->clear();
  size_t next = 0, run = 0;
  for (size_t i = 0; i <= ansi.size(); ++i) {
    if (i < ansi.size() && ansi[i] != text.placeholder) continue;
    *utf8 += platform::Cp1252ToUtf8(std::string_view(ansi).substr(run, i - run));
    if (i < ansi.size()) {
      if (next >= text.held.size()) return false;
      *utf8 += text.held[next++];
    }
    run = i + 1;
  }
  return next == text.held.size();
}

std::string PartToUtf8(const std::string& ansiPart, const EngineText& text, size_t firstHeld) {
  std::string utf8;
  for (char c : ansiPart) {
    if (text.placeholder && c == text.placeholder)
      utf8 += firstHeld < text.held.size() ? text.held[firstHeld++] : "?";
    else
      utf8 += platform::Cp1252ToUtf8(std::string_view(&c, 1));
  }
  return utf8;
}

EngineText AnsiEngineText(const std::string& ansi) {
  EngineText text;
  text.ansi = ansi;
  for (size_t i = 0; i <= ansi.size(); ++i) text.characters.push_back(i);
  return text;
}

}  // namespace tq::cli
