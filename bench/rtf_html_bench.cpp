// Converting a rich reply of about 4 KB of RTF (what the library's Response
// field holds at most) to HTML and the clipboard's HTML Format, as every
// paste of a rich reply does: the median and 99th percentile time of one
// conversion, in the thread's CPU time. Prints figures; asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "library/rtf_html.h"
#include "bench/cpu_clock.h"
#include "bench/english_text.h"

namespace {

// A reply as a rich edit writes it: font and colour tables, then paragraphs
// of real English text with bold, italic, colour, a link, a bulleted list
// and characters beyond Windows-1252, until the RTF is about `size` bytes.
std::string RichReply(const std::string& english, size_t size) {
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
      "{\\f1\\fnil\\fcharset2 Symbol;}{\\f2\\fswiss\\fcharset204 Arial Cyr;}}\r\n"
      "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\f0\\fs20 ";
  size_t at = 0;
  int paragraph = 0;
  while (rtf.size() < size) {
    const size_t end = english.find(' ', std::min(at + 160, english.size() - 1));
    std::string words = english.substr(at, end - at);
    at = end + 1;
    for (char& c : words)
      if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80) c = ' ';
    switch (paragraph++ % 4) {
      case 0:
        rtf += "\\b " + words.substr(0, 20) + "\\b0 " + words.substr(20) + "\\par\r\n";
        break;
      case 1:
        rtf += "{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 " + words +
               "\\par\r\n\\pard ";
        break;
      case 2:
        rtf += "\\i " + words.substr(0, 40) +
               "\\i0  {\\field{\\*\\fldinst{HYPERLINK \"https://example.com/help\"}}"
               "{\\fldrslt{\\ul\\cf2 help}}} \\cf1 " +
               words.substr(40) + "\\cf0\\par\r\n";
        break;
      default:
        rtf += "\\f2\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\f0  \\u1044?\\u-10179?\\u-8704? " + words + "\\par\r\n";
    }
  }
  return rtf + "}";
}

}  // namespace

int main() {
  using tq::bench::CpuClock;
  const std::string rtf = RichReply(tq::bench::EnglishText(1u << 20), 4000);
  constexpr int kRuns = 2000;
  std::vector<double> micros;
  size_t htmlSize = 0;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = CpuClock::now();
    const std::string clip = tq::library::ClipboardHtml(tq::library::RtfHtml(rtf));
    micros.push_back(std::chrono::duration<double, std::micro>(CpuClock::now() - start).count());
    htmlSize = clip.size();
  }
  std::sort(micros.begin(), micros.end());
  std::printf("RTF to HTML Format: %zu bytes of RTF -> %zu bytes, %d runs\n", rtf.size(), htmlSize, kRuns);
  std::printf("  median %.1f us, 99th percentile %.1f us, slowest %.1f us\n", micros[micros.size() / 2],
              micros[micros.size() * 99 / 100], micros.back());
  return 0;
}
