#include "storage/reply_text_codec.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/codepage.h"
#include "platform/utf16.h"
#include "storage/reply_layout.h"

namespace tq::storage {
namespace {

// The marker groups: private destinations ("\*" makes every RTF reader skip
// them), named so that no RTF writer's own control words can clash.
constexpr std::string_view kRtfStart = "{\\rtf1";
constexpr std::string_view kPlainMark = "{\\*\\tqplain}";
constexpr std::string_view kCategoryMark = "{\\*\\tqcategory ";
constexpr std::string_view kDescriptionMark = "{\\*\\tqdescription ";
// What follows the marker groups of a plain reply, before its text.
constexpr std::string_view kPlainHeader = "\\ansi\\ansicpg1252\\uc1 ";

std::string UpToZero(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

// The Windows-1252 byte of a UTF-16 unit, or -1.
int Cp1252Byte(char16_t unit) {
  if (unit == 0) return 0;
  const std::string b = platform::Utf16ToCp1252(std::u16string_view(&unit, 1), '\0');
  return b[0] == '\0' ? -1 : static_cast<unsigned char>(b[0]);
}

bool HoldableIn1252(std::string_view utf8) {
  std::string ignored;
  return platform::Utf8ToCp1252(utf8, &ignored);
}

std::string ToCp1252(std::string_view utf8) { return platform::Utf16ToCp1252(platform::Utf8ToUtf16(utf8)); }

void AppendUnicodeEscape(std::string* out, char16_t unit) {
  // RTF's parameter is a signed 16-bit number.
  const int n = unit > 32767 ? static_cast<int>(unit) - 65536 : static_cast<int>(unit);
  *out += "\\u" + std::to_string(n) + "?";
}

// Text as the body of an RTF document read with \ansicpg1252 and \uc1.
std::string EscapeText(std::u16string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    if (u == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += "\\par ";
      ++i;
    } else if (u == '\t') {
      out += "\\tab ";
    } else if (u == '\\' || u == '{' || u == '}') {
      out += '\\';
      out += static_cast<char>(u);
    } else if (u >= 0x20 && u < 0x7F) {
      out += static_cast<char>(u);
    } else if (const int b = Cp1252Byte(u); b >= 0xA0 || (b >= 0x80 && u != b)) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\'";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      AppendUnicodeEscape(&out, u);
    }
  }
  return out;
}

// Reads what EscapeText writes, from `at` up to a '}' that closes the text
// (left at *at). Anything EscapeText would not write gives nullopt.
std::optional<std::u16string> UnescapeText(std::string_view rtf, size_t* at) {
  std::u16string out;
  size_t i = *at;
  while (i < rtf.size() && rtf[i] != '}') {
    const char c = rtf[i];
    if (c == '{' || static_cast<unsigned char>(c) >= 0x80 || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
    if (c != '\\') {
      out += static_cast<char16_t>(c);
      ++i;
      continue;
    }
    const std::string_view rest = rtf.substr(i + 1);
    if (rest.empty()) return std::nullopt;
    if (rest[0] == '\\' || rest[0] == '{' || rest[0] == '}') {
      out += static_cast<char16_t>(rest[0]);
      i += 2;
    } else if (rest.starts_with("par ")) {
      out += u"\r\n";
      i += 5;
    } else if (rest.starts_with("tab ")) {
      out += u'\t';
      i += 5;
    } else if (rest[0] == '\'') {
      auto hex = [](char h) { return h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10 : -1; };
      const int hi = rest.size() > 2 ? hex(rest[1]) : -1, lo = rest.size() > 2 ? hex(rest[2]) : -1;
      if (hi < 0 || lo < 0) return std::nullopt;
      out += platform::Utf8ToUtf16(platform::Cp1252ToUtf8(std::string(1, static_cast<char>(hi * 16 + lo))));
      i += 4;
    } else if (rest[0] == 'u') {
      size_t j = 1;
      const bool negative = j < rest.size() && rest[j] == '-';
      if (negative) ++j;
      long n = 0;
      const size_t digits = j;
      while (j < rest.size() && std::isdigit(static_cast<unsigned char>(rest[j])) && j - digits < 6)
        n = n * 10 + (rest[j++] - '0');
      if (j == digits || j >= rest.size() || rest[j] != '?') return std::nullopt;
      if (negative) n = -n;
      if (n < -32768 || n > 32767) return std::nullopt;
      out += static_cast<char16_t>(n < 0 ? n + 65536 : n);
      i += j + 2;
    } else {
      return std::nullopt;
    }
  }
  if (i >= rtf.size()) return std::nullopt;
  *at = i;
  return out;
}

// Transliterations of Cyrillic U+0400..U+045F and Greek U+0386..U+03CE.
constexpr const char* kCyrillic[96] = {
    "E", "Yo", "Dj", "G", "Ye", "Dz", "I",  "Yi", "J",  "Lj",   "Nj", "C", "K", "I", "U",  "Dz",
    "A", "B",  "V",  "G", "D",  "E",  "Zh", "Z",  "I",  "Y",    "K",  "L", "M", "N", "O",  "P",
    "R", "S",  "T",  "U", "F",  "Kh", "Ts", "Ch", "Sh", "Shch", "",   "Y", "",  "E", "Yu", "Ya",
    "a", "b",  "v",  "g", "d",  "e",  "zh", "z",  "i",  "y",    "k",  "l", "m", "n", "o",  "p",
    "r", "s",  "t",  "u", "f",  "kh", "ts", "ch", "sh", "shch", "",   "y", "",  "e", "yu", "ya",
    "e", "yo", "dj", "g", "ye", "dz", "i",  "yi", "j",  "lj",   "nj", "c", "k", "i", "u",  "dz"};
constexpr const char* kGreek[73] = {"A", "?", "E", "I",  "I",  "?",  "O",  "?", "Y", "O", "i", "A", "V", "G", "D",
                                    "E", "Z", "I", "Th", "I",  "K",  "L",  "M", "N", "X", "O", "P", "R", "?", "S",
                                    "T", "Y", "F", "Ch", "Ps", "O",  "I",  "Y", "a", "e", "i", "i", "y", "a", "v",
                                    "g", "d", "e", "z",  "i",  "th", "i",  "k", "l", "m", "n", "x", "o", "p", "r",
                                    "s", "s", "t", "y",  "f",  "ch", "ps", "o", "i", "y", "o", "y", "o"};
// Base letters of Latin Extended-A, U+0100..U+017F.
constexpr std::string_view kLatinA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUu"
    "UuUuWwYyYZzZzZzs";

std::string StandInOf(char32_t cp) {
  if (cp >= 0x0400 && cp <= 0x045F) return kCyrillic[cp - 0x0400];
  if (cp == 0x0490) return "G";
  if (cp == 0x0491) return "g";
  if (cp >= 0x0386 && cp <= 0x03CE) return kGreek[cp - 0x0386];
  if (cp >= 0x0100 && cp <= 0x017F) return std::string(1, kLatinA[cp - 0x0100]);
  if (cp >= 0x0218 && cp <= 0x021B) return std::string(1, "SsTt"[cp - 0x0218]);
  if ((cp >= 0x0300 && cp <= 0x036F) || cp == 0x200D || (cp >= 0xFE00 && cp <= 0xFE0F)) return "";  // marks
  return "?";
}

// The parts of a stored Response that this codec's marker groups make.
struct Marks {
  size_t start = 0, end = 0;  // of the marker groups
  bool plain = false;
  std::optional<std::u16string> category, description;
};

// Where marker groups go in an RTF text: after "{\rtf1" and the space that
// may end it.
size_t MarkPlace(std::string_view rtf) {
  const std::string lower = [&] {
    std::string l(rtf);
    for (char& c : l) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return l;
  }();
  size_t at = lower.find(kRtfStart);
  if (at == std::string::npos) return std::string::npos;
  at += kRtfStart.size();
  if (at < rtf.size() && rtf[at] == ' ') ++at;
  return at;
}

std::string MarkGroups(bool plain, const std::string& category, const std::string& description,
                       const std::string& storedCategory, const std::string& storedDescription) {
  std::string out;
  if (plain) out += kPlainMark;
  if (platform::Cp1252ToUtf8(storedCategory) != category)
    out += std::string(kCategoryMark) + EscapeText(platform::Utf8ToUtf16(category)) + "}";
  if (platform::Cp1252ToUtf8(storedDescription) != description)
    out += std::string(kDescriptionMark) + EscapeText(platform::Utf8ToUtf16(description)) + "}";
  return out;
}

// Reads the marker groups at the marker place; nullopt when there are none,
// and Marks with end == 0 when one is there but damaged.
std::optional<Marks> ReadMarks(std::string_view rtf) {
  const size_t place = MarkPlace(rtf);
  if (place == std::string::npos || !rtf.substr(place).starts_with("{\\*\\tq")) return std::nullopt;
  Marks m;
  m.start = place;
  size_t at = place;
  if (rtf.substr(at).starts_with(kPlainMark)) {
    m.plain = true;
    at += kPlainMark.size();
  }
  for (auto [mark, field] : {std::pair{kCategoryMark, &m.category}, std::pair{kDescriptionMark, &m.description}}) {
    if (!rtf.substr(at).starts_with(mark)) continue;
    at += mark.size();
    *field = UnescapeText(rtf, &at);
    if (!*field) return Marks{};
    ++at;  // the closing brace
  }
  if (rtf.substr(at).starts_with("{\\*\\tq")) return Marks{};  // unknown or repeated
  m.end = at;
  return m;
}

// The marked form's reading of stored fields, before the check that the
// codec would store it so.
std::optional<ReplyTexts> ReadMarkedForm(const ReplyTexts& stored) {
  const std::optional<Marks> marks = ReadMarks(stored.response);
  if (!marks || marks->end == 0) return std::nullopt;
  ReplyTexts texts;
  texts.category = marks->category ? platform::Utf16ToUtf8(*marks->category) : platform::Cp1252ToUtf8(stored.category);
  texts.description =
      marks->description ? platform::Utf16ToUtf8(*marks->description) : platform::Cp1252ToUtf8(stored.description);
  const std::string_view rest = std::string_view(stored.response).substr(marks->end);
  if (marks->plain) {
    if (!rest.starts_with(kPlainHeader)) return std::nullopt;
    size_t at = kPlainHeader.size();
    const std::optional<std::u16string> body = UnescapeText(rest, &at);
    if (!body || at + 1 != rest.size()) return std::nullopt;
    texts.response = platform::Utf16ToUtf8(*body);
  } else {
    texts.response = platform::Cp1252ToUtf8(stored.response.substr(0, marks->start)) + platform::Cp1252ToUtf8(rest);
  }
  return texts;
}

// A rich reply's RTF with the characters Windows-1252 cannot hold as \uN?
// escapes, each in a group of its own where \ucN is not 1.
std::string EscapeRtf(std::string_view rtf) {
  const std::u16string units = platform::Utf8ToUtf16(rtf);
  std::string out;
  std::vector<int> uc{1};
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    const int b = Cp1252Byte(u);
    if (b >= 0) {
      out += static_cast<char>(b);
      if (u == '{') uc.push_back(uc.back());
      if (u == '}' && uc.size() > 1) uc.pop_back();
      if (u != '\\' || i + 1 >= units.size()) continue;
      // A control word: follow \ucN; a symbol (\{ \} \\) is copied whole.
      const char16_t n = units[i + 1];
      if (n == '{' || n == '}' || n == '\\') {
        out += static_cast<char>(n);
        ++i;
      } else if (n == 'u' && i + 2 < units.size() && units[i + 2] == 'c') {
        size_t j = i + 3;
        int value = 0;
        while (j < units.size() && units[j] >= '0' && units[j] <= '9' && value < 1000)
          value = value * 10 + (units[j++] - '0');
        if (j > i + 3) uc.back() = value;
      }
      continue;
    }
    if (uc.back() != 1) out += "{\\uc1";
    AppendUnicodeEscape(&out, u);
    if (uc.back() != 1) out += "}";
  }
  return out;
}

}  // namespace

size_t Utf16Length(std::string_view utf8) { return platform::Utf8ToUtf16(utf8).size(); }

std::string NameStandIn(std::string_view utf8, size_t size) {
  const std::u16string units = platform::Utf8ToUtf16(utf8);
  std::string out;
  for (size_t i = 0; i < units.size(); ++i) {
    char32_t cp = units[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
      cp = 0x10000 + ((cp - 0xD800) << 10) + (units[++i] - 0xDC00);
    const int b = cp <= 0xFFFF ? Cp1252Byte(static_cast<char16_t>(cp)) : -1;
    const std::string part = b > 0 ? std::string(1, static_cast<char>(b)) : StandInOf(cp);
    if (out.size() + part.size() > size) break;
    out += part;
  }
  if (out.empty() && !units.empty() && size > 0) out += '?';  // appended: GCC 12 misreads a literal assigned here
  return out;
}

ReplyTexts EncodeReplyTexts(const ReplyTexts& given) {
  const ReplyTexts texts{UpToZero(given.category), UpToZero(given.description), UpToZero(given.response)};
  if (HoldableIn1252(texts.category) && HoldableIn1252(texts.description) && HoldableIn1252(texts.response))
    return {ToCp1252(texts.category), ToCp1252(texts.description), ToCp1252(texts.response)};
  ReplyTexts stored;
  stored.category =
      HoldableIn1252(texts.category) ? ToCp1252(texts.category) : NameStandIn(texts.category, kCategorySize);
  stored.description = HoldableIn1252(texts.description) ? ToCp1252(texts.description)
                                                         : NameStandIn(texts.description, kDescriptionSize);
  if (!IsFormattedReply(texts.response)) {
    stored.response = std::string(kRtfStart) +
                      MarkGroups(true, texts.category, texts.description, stored.category, stored.description) +
                      std::string(kPlainHeader) + EscapeText(platform::Utf8ToUtf16(texts.response)) + "}";
    return stored;
  }
  std::string rtf = EscapeRtf(texts.response);
  const size_t place = MarkPlace(rtf);
  rtf.insert(place, MarkGroups(false, texts.category, texts.description, stored.category, stored.description));
  stored.response = std::move(rtf);
  return stored;
}

size_t StoredResponseSize(const ReplyTexts& texts) { return EncodeReplyTexts(texts).response.size(); }

ReplyTexts DecodeReplyTexts(const ReplyTexts& given, StoredReplyForm* form) {
  const ReplyTexts stored{UpToZero(given.category), UpToZero(given.description), UpToZero(given.response)};
  StoredReplyForm how = StoredReplyForm::kWindows1252;
  if (ReadMarks(stored.response)) {
    // Only what this codec writes is read as marked: anything else could be
    // written back differently, and changing a file by reading it is wrong.
    const std::optional<ReplyTexts> marked = ReadMarkedForm(stored);
    if (marked && EncodeReplyTexts(*marked) == stored) {
      if (form) *form = StoredReplyForm::kMarked;
      return *marked;
    }
    how = StoredReplyForm::kDamagedMarks;
  }
  if (form) *form = how;
  return {platform::Cp1252ToUtf8(stored.category), platform::Cp1252ToUtf8(stored.description),
          platform::Cp1252ToUtf8(stored.response)};
}

}  // namespace tq::storage
