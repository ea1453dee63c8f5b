// ParseHotKeyText over any bytes: it must not crash, and whatever it accepts
// must come back unchanged through HotKeyText.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "library/hotkey_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  uint16_t value = 0;
  if (!tq::library::ParseHotKeyText(text, &value).ok()) return 0;
  std::string written = tq::library::HotKeyText(value, nullptr);
  uint16_t again = 0;
  if (written.empty() || !tq::library::ParseHotKeyText(written, &again).ok() || again != value) std::abort();
  return 0;
}
