#include "app/core/text_file_text.h"

#include "platform/codepage.h"
#include "platform/utf16.h"

namespace tq::app {
namespace {

std::u16string Utf16Units(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]), second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
  }
  return units;
}

}  // namespace

std::string TextFileText(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return platform::Utf16ToUtf8(Utf16Units(bytes.substr(2), false));
  if (bytes.starts_with("\xFE\xFF")) return platform::Utf16ToUtf8(Utf16Units(bytes.substr(2), true));
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  // Well-formed UTF-8, and only that, comes back unchanged from UTF-16.
  if (platform::Utf16ToUtf8(platform::Utf8ToUtf16(bytes)) == bytes) return std::string(bytes);
  return platform::Cp1252ToUtf8(bytes);
}

}  // namespace tq::app
