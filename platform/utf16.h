// Conversion between UTF-16 (titles stored in dictionary files) and
// Windows-1252 (the system's own single-byte text).
#pragma once

#include <string>
#include <string_view>

namespace tq::platform {

// UTF-16 to Windows-1252. A character Windows-1252 cannot hold, and a lone
// surrogate, becomes replacement.
std::string Utf16ToCp1252(std::u16string_view text, char replacement = '?');

// Windows-1252 to UTF-16; every byte has a character.
std::u16string Cp1252ToUtf16(std::string_view text);

}  // namespace tq::platform
