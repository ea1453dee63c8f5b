#include "library/reply_plain_text.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <vector>

#include "library/rtf_tokens.h"
#include "platform/utf16.h"
#include "storage/reply_layout.h"

namespace tq::library {
namespace {

// Groups whose text is not part of the document.
bool IsSkippedDestination(std::string_view word) {
  static constexpr std::string_view kSkipped[] = {
      "fonttbl", "colortbl",  "stylesheet",        "info",    "pict",      "object",    "header",
      "footer",  "listtable", "listoverridetable", "rsidtbl", "generator", "themedata", "xmlnstbl"};
  for (std::string_view s : kSkipped)
    if (word == s) return true;
  return false;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Bytes of the UTF-8 sequence that begins with lead (1 for a stray byte).
size_t SequenceLength(unsigned char lead) {
  return lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Control words that stand for one character.
std::string_view CharacterWord(std::string_view word) {
  static constexpr std::pair<std::string_view, std::string_view> kCharacters[] = {
      {"emdash", "\xE2\x80\x94"},    {"endash", "\xE2\x80\x93"},  {"bullet", "\xE2\x80\xA2"},
      {"lquote", "\xE2\x80\x98"},    {"rquote", "\xE2\x80\x99"},  {"ldblquote", "\xE2\x80\x9C"},
      {"rdblquote", "\xE2\x80\x9D"}, {"emspace", "\xE2\x80\x83"}, {"enspace", "\xE2\x80\x82"},
      {"qmspace", "\xE2\x80\x85"}};
  for (auto [name, utf8] : kCharacters)
    if (word == name) return utf8;
  return {};
}

struct Group {
  bool skip = false;
  int unicodeSkip = 1;  // \ucN: fallback characters after each \u
};

// The text of an RTF document with a lone '\r' for each paragraph mark, as a
// rich edit holds it.
std::string RtfDocumentText(std::string_view rtf) {
  std::string out;
  std::vector<Group> groups{Group{}};
  int pendingSkip = 0;  // fallback characters of a \u still to drop
  bool groupStart = false;
  long codePage = 1252;
  char16_t highSurrogate = 0;  // of a \u pair, waiting for its other half

  auto flushSurrogate = [&] {
    if (highSurrogate != 0 && !groups.back().skip) out += "\xEF\xBF\xBD";  // U+FFFD
    highSurrogate = 0;
  };
  // One character of the document (UTF-8); a \u's fallback is dropped.
  auto emitText = [&](std::string_view utf8) {
    if (pendingSkip > 0) {
      --pendingSkip;
      return;
    }
    flushSurrogate();
    if (!groups.back().skip) out += utf8;
  };
  auto emit = [&](char c) { emitText(std::string_view(&c, 1)); };
  auto emitUnit = [&](char16_t unit) {
    if (groups.back().skip) return;
    if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate != 0) {
      const char16_t pair[2] = {highSurrogate, unit};
      out += platform::Utf16ToUtf8(std::u16string_view(pair, 2));
      highSurrogate = 0;
      return;
    }
    flushSurrogate();
    if (unit >= 0xD800 && unit <= 0xDBFF)
      highSurrogate = unit;
    else
      out += platform::Utf16ToUtf8(std::u16string_view(&unit, 1));
  };

  size_t i = 0;
  while (i < rtf.size()) {
    const char c = rtf[i];
    if (c == '{') {
      groups.push_back(groups.back());
      groupStart = true;
      pendingSkip = 0;
      ++i;
      continue;
    }
    if (c == '}') {
      if (groups.size() > 1) groups.pop_back();
      groupStart = false;
      pendingSkip = 0;
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {  // line breaks in RTF source mean nothing
      ++i;
      continue;
    }
    if (c != '\\') {
      groupStart = false;
      const size_t n = std::min(SequenceLength(static_cast<unsigned char>(c)), rtf.size() - i);
      emitText(rtf.substr(i, n));
      i += n;
      continue;
    }
    // A control word or symbol.
    if (i + 1 >= rtf.size()) break;
    const char next = rtf[i + 1];
    if (next == '\\' || next == '{' || next == '}') {
      groupStart = false;
      emit(next);
      i += 2;
      continue;
    }
    if (next == '*') {  // an optional destination we do not know
      groups.back().skip = true;
      i += 2;
      continue;
    }
    if (next == '\'') {
      const int hi = i + 2 < rtf.size() ? HexValue(rtf[i + 2]) : -1;
      const int lo = i + 3 < rtf.size() ? HexValue(rtf[i + 3]) : -1;
      if (hi >= 0 && lo >= 0) {
        emitText(RtfCodePageChar(codePage, static_cast<unsigned char>(hi * 16 + lo)));
        i += 4;
      } else {
        i += 2;
      }
      groupStart = false;
      continue;
    }
    if (!std::isalpha(static_cast<unsigned char>(next))) {
      if (next == '~') emitText("\xC2\xA0");      // no-break space
      if (next == '_') emitText("\xE2\x80\x91");  // non-breaking hyphen
      if (next == '-') emitText("\xC2\xAD");      // optional hyphen
      // A symbol of no meaning drops its whole character.
      i += 1 + std::min(SequenceLength(static_cast<unsigned char>(next)), rtf.size() - i - 1);
      groupStart = false;
      continue;
    }
    size_t j = i + 1;
    while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
    const std::string_view word = rtf.substr(i + 1, j - i - 1);
    bool negative = false;
    if (j < rtf.size() && rtf[j] == '-') {
      negative = true;
      ++j;
    }
    long value = 0;
    bool hasValue = false;
    while (j < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[j]))) {
      if (value < 1000000) value = value * 10 + (rtf[j] - '0');
      hasValue = true;
      ++j;
    }
    if (negative) value = -value;
    if (j < rtf.size() && rtf[j] == ' ') ++j;  // the delimiting space belongs to the word
    i = j;

    if (groupStart && IsSkippedDestination(word)) groups.back().skip = true;
    groupStart = false;
    if (word == "par" || word == "line") {
      emit('\r');
    } else if (const std::string_view c = CharacterWord(word); !c.empty()) {
      emitText(c);
    } else if (word == "tab") {
      emit('\t');
    } else if (word == "uc" && hasValue) {
      groups.back().unicodeSkip = static_cast<int>(value < 0 ? 0 : value);
    } else if (word == "u" && hasValue) {
      emitUnit(static_cast<char16_t>(value < 0 ? value + 65536 : value));
      pendingSkip = groups.back().unicodeSkip;
    } else if (word == "ansicpg" && hasValue) {
      codePage = value;
    }
  }
  flushSurrogate();
  // RTF writers end a document with a paragraph mark, which a rich edit
  // reading the whole document merges with its own last one.
  if (out.ends_with('\r')) out.pop_back();
  return out;
}

}  // namespace

std::string ReplyPlainText(std::string_view response) {
  const std::string_view stored = response.substr(0, response.find('\0'));
  std::string document;
  if (stored.starts_with("{\\rtf") && storage::IsFormattedReply(std::string(stored))) {
    document = RtfDocumentText(stored);
  } else {
    // Plain text: CR LF, a lone CR and a lone LF each end a paragraph.
    for (size_t i = 0; i < stored.size(); ++i) {
      if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') ++i;
      document += stored[i] == '\n' ? '\r' : stored[i];
    }
  }
  // Every paragraph as a line, the last one too.
  std::string text;
  for (char c : document) text += c == '\r' ? std::string("\r\n") : std::string(1, c);
  return text + "\r\n";
}

}  // namespace tq::library
