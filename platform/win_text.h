// Windows only: text between the code page of a PathEncoding and the UTF-16
// of the system's wide functions.
#pragma once

#include <string>
#include <string_view>

#include "platform/path_encoding.h"

namespace tq::platform {

// The Windows code page of encoding: CP_ACP or CP_UTF8.
unsigned CodePageOf(PathEncoding encoding);

// false, with the thread's last error set to ERROR_NO_UNICODE_TRANSLATION,
// when text is not valid UTF-8; every byte string is valid ANSI text, read
// as the system's own ANSI functions read it.
bool ToWide(std::string_view text, unsigned codePage, std::wstring* wide);

// A character the code page cannot hold becomes what the system's ANSI
// functions make of it ('?' or a look-alike); UTF-8 holds every one.
std::string FromWide(std::wstring_view wide, unsigned codePage);

}  // namespace tq::platform
