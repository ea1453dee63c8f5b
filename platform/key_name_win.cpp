#include <windows.h>

#include "platform/key_name.h"

namespace tq::platform {

std::string KeyboardKeyName(uint8_t virtual_key) {
  UINT scan = MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC);
  if (scan == 0) return "";
  char name[64] = {};
  int n = GetKeyNameTextA(static_cast<LONG>(scan << 16), name, sizeof name);
  return n > 0 ? std::string(name, static_cast<size_t>(n)) : std::string();
}

}  // namespace tq::platform
