#include "platform/win_text.h"

#include <windows.h>

namespace tq::platform {

unsigned CodePageOf(PathEncoding encoding) { return encoding == PathEncoding::Utf8 ? CP_UTF8 : CP_ACP; }

bool ToWide(std::string_view text, unsigned codePage, std::wstring* wide) {
  wide->clear();
  if (text.empty()) return true;
  // Bytes that are not UTF-8 come from files the ANSI program wrote (a
  // Spell.cfg naming dictionaries under C:\Users\José): read them as it does.
  const auto convert = [&](unsigned from, DWORD flags) {
    const int n = MultiByteToWideChar(from, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return false;
    wide->resize(static_cast<size_t>(n));
    return MultiByteToWideChar(from, flags, text.data(), static_cast<int>(text.size()), wide->data(), n) == n;
  };
  if (codePage == CP_UTF8 && convert(CP_UTF8, MB_ERR_INVALID_CHARS)) return true;
  return convert(CP_ACP, 0);
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
