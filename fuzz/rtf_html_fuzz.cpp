// A reply's RTF as HTML, from arbitrary bytes: the converter must not crash,
// and what it gives must be well-formed HTML of the elements it writes
// (every tag closed in order, no raw '<', '>' or stray '&' in text or
// attributes) and valid UTF-8; wrapped for the clipboard, the fragment's
// offsets must find it again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "library/rtf_html.h"

namespace {

bool ValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    size_t n = b < 0x80 ? 1 : b >= 0xC2 && b < 0xE0 ? 2 : b >= 0xE0 && b < 0xF0 ? 3 : b >= 0xF0 && b < 0xF5 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    uint32_t cp = n == 1 ? b : b & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
      const unsigned char c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = cp << 6 | (c & 0x3F);
    }
    const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

// Text and attribute values: entities the converter writes, no markup.
bool CleanText(std::string_view s) {
  static constexpr std::string_view kEntities[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&nbsp;", "&#9;"};
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '<' || s[i] == '>' || s[i] == '"') return false;
    if (s[i] != '&') continue;
    bool known = false;
    for (std::string_view e : kEntities) known = known || s.substr(i, e.size()) == e;
    if (!known) return false;
  }
  return true;
}

bool WellFormed(std::string_view html) {
  static constexpr std::string_view kElements[] = {"div", "ul", "ol",  "li",  "b",    "i",
                                                   "u",   "s",  "sup", "sub", "span", "a"};
  std::vector<std::string_view> open;
  size_t i = 0;
  while (i < html.size()) {
    const size_t lt = html.find('<', i);
    if (!CleanText(html.substr(i, lt == std::string_view::npos ? std::string_view::npos : lt - i))) return false;
    if (lt == std::string_view::npos) break;
    const size_t gt = html.find('>', lt);
    if (gt == std::string_view::npos) return false;
    std::string_view tag = html.substr(lt + 1, gt - lt - 1);
    i = gt + 1;
    if (tag == "br") continue;
    const bool closing = !tag.empty() && tag.front() == '/';
    if (closing) {
      if (open.empty() || open.back() != tag.substr(1)) return false;
      open.pop_back();
      continue;
    }
    const size_t space = tag.find(' ');
    const std::string_view name = tag.substr(0, space);
    bool known = false;
    for (std::string_view e : kElements) known = known || name == e;
    if (!known) return false;
    if (space != std::string_view::npos) {
      // One attribute: name="value".
      std::string_view attribute = tag.substr(space + 1);
      const size_t equals = attribute.find("=\"");
      if (equals == std::string_view::npos || attribute.back() != '"' || attribute.size() < equals + 3) return false;
      if (!CleanText(attribute.substr(equals + 2, attribute.size() - equals - 3))) return false;
    }
    open.push_back(name);
  }
  return open.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string rtf(reinterpret_cast<const char*>(data), size);
  const std::string html = tq::library::RtfHtml(rtf);
  if (!ValidUtf8(html) || !WellFormed(html)) std::abort();
  const std::string clip = tq::library::ClipboardHtml(html);
  const size_t start = std::stoul(clip.substr(clip.find("StartFragment:") + 14, 10));
  const size_t end = std::stoul(clip.substr(clip.find("EndFragment:") + 12, 10));
  if (end < start || clip.substr(start, end - start) != html) std::abort();
  return 0;
}
