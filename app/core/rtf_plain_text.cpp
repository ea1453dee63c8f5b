#include "app/core/rtf_plain_text.h"

#include <vector>

#include "app/core/reply_record.h"
#include "app/core/rtf_tokens.h"
#include "platform/utf16.h"

namespace tq::app {
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

struct Group {
  bool skip = false;
  int unicodeSkip = 1;  // \ucN: fallback characters after each \u
};

}  // namespace

std::string RtfPlainText(std::string_view rtf) {
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

  RtfTokenizer tokens(rtf);
  RtfToken t;
  while (tokens.Next(&t)) {
    using K = RtfToken::Kind;
    if (t.kind == K::GroupStart) {
      groups.push_back(groups.back());
      groupStart = true;
      pendingSkip = 0;
      continue;
    }
    if (t.kind == K::GroupEnd) {
      if (groups.size() > 1) groups.pop_back();
      groupStart = false;
      pendingSkip = 0;
      continue;
    }
    if (t.kind == K::Symbol && t.text == "*") {  // an optional destination we do not know
      groups.back().skip = true;
      continue;
    }
    const bool atGroupStart = groupStart;
    groupStart = false;
    if (t.kind == K::Text) {
      emitText(t.text);
    } else if (t.kind == K::Byte) {
      emitText(RtfCodePageChar(codePage, static_cast<unsigned char>(t.value)));
    } else if (t.kind == K::Symbol) {
      // A symbol of no meaning drops its whole character.
      if (t.text == "~") emit(' ');
      if (t.text == "_") emit('-');
    } else {
      const std::string_view word = t.text;
      const long value = t.value;
      if (atGroupStart && IsSkippedDestination(word)) groups.back().skip = true;
      if (word == "par" || word == "line") {
        emit('\r');
        emit('\n');
      } else if (word == "tab") {
        emit('\t');
      } else if (word == "uc" && t.hasValue) {
        groups.back().unicodeSkip = static_cast<int>(value < 0 ? 0 : value);
      } else if (word == "u" && t.hasValue) {
        emitUnit(static_cast<char16_t>(value < 0 ? value + 65536 : value));
        pendingSkip = groups.back().unicodeSkip;
      } else if (word == "ansicpg" && t.hasValue) {
        codePage = value;
      }
    }
  }
  flushSurrogate();
  // A rich edit ends its text with a paragraph mark that is not the user's.
  while (out.size() >= 2 && out.ends_with("\r\n")) out.resize(out.size() - 2);
  return out;
}

std::string ReplyPlainText(std::string_view response) {
  return IsFormattedResponse(response) ? RtfPlainText(response) : std::string(response);
}

}  // namespace tq::app
