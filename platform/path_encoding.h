// How the strings that name files (and the other text the system hands
// back, such as folder and user names) are written. The program and quillet
// speak UTF-8, so that a name holding any character works whatever the
// system's code page; the ANSI code page remains for code that must match
// what the system's ANSI functions give. On POSIX a name is its bytes, and
// both are the same.
#pragma once

namespace tq::platform {

enum class PathEncoding { Ansi, Utf8 };

}  // namespace tq::platform
