// How the strings that name files (and the other text the system hands
// back, such as folder and user names) are written. The program keeps the
// system's ANSI code page, the text of its dialogs, registry values and
// configuration files; quillet speaks UTF-8 on every system. On POSIX a
// name is its bytes, and both are the same.
#pragma once

namespace tq::platform {

enum class PathEncoding { Ansi, Utf8 };

}  // namespace tq::platform
