#include <windows.h>

#include "platform/key_name.h"
#include "platform/utf16.h"

namespace tq::platform {

std::string KeyboardKeyName(uint8_t virtual_key) {
  UINT scan = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
  if (scan == 0) return "";
  // A layout's names are in its own language ("Ä", "Ü" on a German one).
  wchar_t name[64] = {};
  int n = GetKeyNameTextW(static_cast<LONG>(scan << 16), name, sizeof name / sizeof name[0]);
  return n > 0 ? Utf8(std::wstring_view(name, static_cast<size_t>(n))) : std::string();
}

}  // namespace tq::platform
