#include "library/rtf_tokens.h"

#include <algorithm>
#include <cctype>

#include "platform/codepage.h"
#include "platform/utf16.h"

namespace tq::library {
namespace {

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

// The upper halves of the code pages a reply's RTF may name besides 1252;
// 0xFFFD where the code page has no character.
constexpr char16_t kCp1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C,
    0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A,
    0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9,
    0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    // 0xC0..0xFF: U+0410..U+044F
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B,
    0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439,
    0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};
constexpr char16_t kCp1253[64] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0xFFFD, 0x2030,
                                  0xFFFD, 0x2039, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C,
                                  0x201D, 0x2022, 0x2013, 0x2014, 0xFFFD, 0x2122, 0xFFFD, 0x203A, 0xFFFD, 0xFFFD,
                                  0xFFFD, 0xFFFD, 0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
                                  0x00A8, 0x00A9, 0xFFFD, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, 0x00B0, 0x00B1,
                                  0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, 0x0388, 0x0389, 0x038A, 0x00BB,
                                  0x038C, 0x00BD, 0x038E, 0x038F};  // 0xC0..0xFF: U+0390.. but D2 and FF

}  // namespace

bool RtfTokenizer::Next(RtfToken* token) {
  const std::string_view rtf = rtf_;
  size_t& i = pos_;
  while (i < rtf.size() && (rtf[i] == '\r' || rtf[i] == '\n')) ++i;
  if (i >= rtf.size()) return false;
  *token = RtfToken{};
  const char c = rtf[i];
  if (c == '{' || c == '}') {
    token->kind = c == '{' ? RtfToken::Kind::GroupStart : RtfToken::Kind::GroupEnd;
    ++i;
    return true;
  }
  if (c != '\\') {
    // A broken sequence ends where its continuation bytes do: the next
    // character, or markup, is not swallowed with it.
    const size_t most = std::min(SequenceLength(static_cast<unsigned char>(c)), rtf.size() - i);
    size_t n = 1;
    while (n < most && (static_cast<unsigned char>(rtf[i + n]) & 0xC0) == 0x80) ++n;
    token->kind = RtfToken::Kind::Text;
    token->text = rtf.substr(i, n);
    i += n;
    return true;
  }
  if (i + 1 >= rtf.size()) {
    i = rtf.size();
    return false;
  }
  const char next = rtf[i + 1];
  if (next == '\\' || next == '{' || next == '}') {
    token->kind = RtfToken::Kind::Text;
    token->text = rtf.substr(i + 1, 1);
    i += 2;
    return true;
  }
  if (next == '\'') {
    const int hi = i + 2 < rtf.size() ? HexValue(rtf[i + 2]) : -1;
    const int lo = i + 3 < rtf.size() ? HexValue(rtf[i + 3]) : -1;
    if (hi >= 0 && lo >= 0) {
      token->kind = RtfToken::Kind::Byte;
      token->value = hi * 16 + lo;
      i += 4;
    } else {
      token->kind = RtfToken::Kind::Symbol;
      token->text = rtf.substr(i + 1, 1);
      i += 2;
    }
    return true;
  }
  if (!std::isalpha(static_cast<unsigned char>(next))) {
    // A symbol is a whole character, even one of several bytes.
    const size_t n = std::min(SequenceLength(static_cast<unsigned char>(next)), rtf.size() - i - 1);
    token->kind = RtfToken::Kind::Symbol;
    token->text = rtf.substr(i + 1, n);
    i += 1 + n;
    return true;
  }
  size_t j = i + 1;
  while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
  token->kind = RtfToken::Kind::Word;
  token->text = rtf.substr(i + 1, j - i - 1);
  bool negative = false;
  if (j < rtf.size() && rtf[j] == '-') {
    negative = true;
    ++j;
  }
  long value = 0;
  while (j < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[j]))) {
    if (value < 1000000) value = value * 10 + (rtf[j] - '0');
    token->hasValue = true;
    ++j;
  }
  token->value = negative ? -value : value;
  if (j < rtf.size() && rtf[j] == ' ') ++j;  // the delimiting space belongs to the word
  i = j;
  return true;
}

std::string RtfCodePageChar(long codePage, unsigned char byte) {
  if (byte < 0x80 || (codePage != 1251 && codePage != 1253))
    return platform::Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
  char16_t unit = 0xFFFD;
  if (codePage == 1251)
    unit = kCp1251[byte - 0x80];
  else if (byte < 0xC0)
    unit = kCp1253[byte - 0x80];
  else if (byte != 0xD2 && byte != 0xFF)
    unit = static_cast<char16_t>(0x0390 + (byte - 0xC0));
  return platform::Utf16ToUtf8(std::u16string(1, unit));
}

long RtfCharsetCodePage(long charset) {
  switch (charset) {
    case 128:
      return 932;
    case 129:
      return 949;
    case 134:
      return 936;
    case 136:
      return 950;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 163:
      return 1258;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 204:
      return 1251;
    case 222:
      return 874;
    case 238:
      return 1250;
    default:
      return 0;
  }
}

}  // namespace tq::library
