#include "platform/win_text.h"

#include <windows.h>

namespace tq::platform {

unsigned CodePageOf(PathEncoding encoding) { return encoding == PathEncoding::Utf8 ? CP_UTF8 : CP_ACP; }

bool ToWide(std::string_view text, unsigned codePage, std::wstring* wide) {
  wide->clear();
  if (text.empty()) return true;
  // A name that is not UTF-8 is refused rather than opened under a name with
  // replacement characters in it.
  const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
  const int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return false;
  wide->resize(static_cast<size_t>(n));
  return MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide->data(), n) == n;
}

std::string FromWide(std::wstring_view wide, unsigned codePage) {
  if (wide.empty()) return {};
  const int n =
      WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string text(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
  return text;
}

}  // namespace tq::platform
