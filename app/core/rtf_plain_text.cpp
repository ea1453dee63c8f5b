#include "app/core/rtf_plain_text.h"

#include <cctype>
#include <vector>

#include "app/core/reply_record.h"

namespace tq::app {
namespace {

// Groups whose text is not part of the document.
bool IsSkippedDestination(std::string_view word) {
  static constexpr std::string_view kSkipped[] = {"fonttbl", "colortbl", "stylesheet", "info",   "pict",
                                                  "object",  "header",   "footer",     "listtable", "listoverridetable",
                                                  "rsidtbl", "generator", "themedata", "xmlnstbl"};
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

  auto emit = [&](char c) {
    if (pendingSkip > 0) {
      --pendingSkip;
      return;
    }
    if (!groups.back().skip) out += c;
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
      emit(c);
      ++i;
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
        emit(static_cast<char>(hi * 16 + lo));
        i += 4;
      } else {
        i += 2;
      }
      groupStart = false;
      continue;
    }
    if (!std::isalpha(static_cast<unsigned char>(next))) {
      if (next == '~') emit(' ');
      if (next == '_') emit('-');
      i += 2;
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
      emit('\n');
    } else if (word == "tab") {
      emit('\t');
    } else if (word == "uc" && hasValue) {
      groups.back().unicodeSkip = static_cast<int>(value < 0 ? 0 : value);
    } else if (word == "u" && hasValue) {
      // The engine's text is single-byte: keep what fits, else the fallback.
      const long code = value < 0 ? value + 65536 : value;
      if (code < 256) {
        emit(static_cast<char>(code));
        pendingSkip = groups.back().unicodeSkip;
      }
    }
  }
  // A rich edit ends its text with a paragraph mark that is not the user's.
  while (out.size() >= 2 && out.ends_with("\r\n")) out.resize(out.size() - 2);
  return out;
}

std::string ReplyPlainText(std::string_view response) {
  return IsFormattedResponse(response) ? RtfPlainText(response) : std::string(response);
}

}  // namespace tq::app
