#include "app/core/rtf_text.h"

#include <cctype>
#include <cstdlib>
#include <set>
#include <vector>

#include "app/core/reply_record.h"
#include "platform/codepage.h"

namespace tq::app {

namespace {

// Groups whose text is not shown.
const std::set<std::string_view> kHiddenDestinations = {
    "fonttbl", "colortbl", "stylesheet", "info",    "pict",     "object",   "header",   "footer",
    "headerl", "headerr",  "headerf",    "footerl", "footerr",  "footerf",  "footnote", "listtable",
    "listoverridetable",   "rsidtbl",    "generator", "fldinst", "themedata", "colorschememapping",
    "latentstyles",        "datastore",  "xmlnstbl", "pntext",  "pntxta",   "pntxtb",   "filetbl",
    "revtbl",              "mmathPr",    "nonshppict", "template"};

struct Group {
  bool hidden = false;
  int unicodeSkip = 1;  // characters that stand in for a \u character
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string RtfPlainText(std::string_view rtf) {
  std::string out;
  std::vector<Group> groups{Group{}};
  int pendingSkip = 0;  // fallback characters of a \u still to drop
  auto emit = [&](char c) {
    if (pendingSkip > 0) {
      --pendingSkip;
      return;
    }
    if (!groups.back().hidden) out.push_back(c);
  };
  size_t i = 0;
  bool groupStart = false;  // the control word just read opens its group
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
      pendingSkip = 0;
      groupStart = false;
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      emit(c);
      groupStart = false;
      ++i;
      continue;
    }
    // A control symbol or word.
    if (i + 1 >= rtf.size()) break;
    const char next = rtf[i + 1];
    const bool opensGroup = groupStart;
    groupStart = false;
    if (!std::isalpha(static_cast<unsigned char>(next))) {
      i += 2;
      switch (next) {
        case '\\': case '{': case '}':
          emit(next);
          break;
        case '\'':
          if (i + 1 < rtf.size() && HexValue(rtf[i]) >= 0 && HexValue(rtf[i + 1]) >= 0) {
            emit(static_cast<char>(HexValue(rtf[i]) * 16 + HexValue(rtf[i + 1])));
            i += 2;
          }
          break;
        case '*':
          groups.back().hidden = true;
          break;
        case '~':
          emit('\xA0');
          break;
        case '_':
          emit('-');
          break;
        case '\r': case '\n':
          emit('\r');
          emit('\n');
          break;
        default:  // \- (optional hyphen), \| and others show nothing
          break;
      }
      continue;
    }
    size_t end = i + 1;
    while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
    const std::string_view word = rtf.substr(i + 1, end - i - 1);
    bool hasParam = false;
    long param = 0;
    size_t paramEnd = end;
    if (paramEnd < rtf.size() && (rtf[paramEnd] == '-' || std::isdigit(static_cast<unsigned char>(rtf[paramEnd])))) {
      const size_t start = paramEnd;
      ++paramEnd;
      while (paramEnd < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[paramEnd]))) ++paramEnd;
      param = std::strtol(std::string(rtf.substr(start, paramEnd - start)).c_str(), nullptr, 10);
      hasParam = paramEnd - start > (rtf[start] == '-' ? 1u : 0u);
    }
    i = paramEnd;
    if (i < rtf.size() && rtf[i] == ' ') ++i;  // the delimiter belongs to the word

    if (opensGroup && kHiddenDestinations.count(word)) {
      groups.back().hidden = true;
    } else if (word == "par" || word == "line" || word == "sect" || word == "page") {
      emit('\r');
      emit('\n');
    } else if (word == "tab") {
      emit('\t');
    } else if (word == "emdash") {
      emit('\x97');
    } else if (word == "endash") {
      emit('\x96');
    } else if (word == "bullet") {
      emit('\x95');
    } else if (word == "lquote") {
      emit('\x91');
    } else if (word == "rquote") {
      emit('\x92');
    } else if (word == "ldblquote") {
      emit('\x93');
    } else if (word == "rdblquote") {
      emit('\x94');
    } else if (word == "uc" && hasParam) {
      groups.back().unicodeSkip = static_cast<int>(param);
    } else if (word == "u" && hasParam) {
      const auto code = static_cast<uint32_t>(param < 0 ? param + 65536 : param);
      std::string ansi;
      std::string utf8;
      // One character from UTF-16 to Windows-1252 by way of UTF-8.
      if (code < 0x80) utf8 = static_cast<char>(code);
      else if (code < 0x800) utf8 = {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
      else
        utf8 = {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                static_cast<char>(0x80 | (code & 0x3F))};
      emit(platform::Utf8ToCp1252(utf8, &ansi) && ansi.size() == 1 ? ansi[0] : '?');
      pendingSkip = groups.back().unicodeSkip;
    }
  }
  // The last paragraph mark ends the text rather than starting an empty line.
  if (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) out.resize(out.size() - 2);
  return out;
}

std::string ReplyPlainText(std::string_view response) {
  return IsFormattedResponse(response) ? RtfPlainText(response) : std::string(response);
}

}  // namespace tq::app
