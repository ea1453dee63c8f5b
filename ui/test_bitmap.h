// For clipboard tests: a picture as a program copies one, the bytes of a
// 2x1 24-bit device-independent bitmap (its header, then one row of two
// pixels padded to 8 bytes), small enough to compare byte for byte.
#pragma once

#include <windows.h>

#include <string>

namespace tq::ui::testing {

inline std::string SmallDib() {
  BITMAPINFOHEADER h{};
  h.biSize = sizeof h;
  h.biWidth = 2;
  h.biHeight = 1;
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biCompression = BI_RGB;
  h.biSizeImage = 8;
  return std::string(reinterpret_cast<const char*>(&h), sizeof h) + std::string("\x10\x20\x30\x40\x50\x60\0\0", 8);
}

}  // namespace tq::ui::testing
