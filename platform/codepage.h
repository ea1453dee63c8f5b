// Conversion between UTF-8 (the outside world: JSON, CSV, word lists, the
// terminal) and Windows-1252 (the system's own single-byte text).
#pragma once

#include <string>
#include <string_view>

namespace tq::platform {

// Windows-1252 to UTF-8. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no
// character in Windows-1252; they become U+0081 ... as Windows maps them.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to Windows-1252. Returns false when the text is not valid UTF-8 or
// holds a character Windows-1252 cannot represent; *bad then receives the
// first such character (as UTF-8, or the offending byte) and *out is left
// with what was converted before it.
bool Utf8ToCp1252(std::string_view text, std::string* out, std::string* bad = nullptr);

}  // namespace tq::platform
