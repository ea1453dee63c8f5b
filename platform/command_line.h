// The arguments a program was started with, as UTF-8 text.
#pragma once

#include <string>
#include <vector>

namespace tq::platform {

// The arguments after the program's name. On Windows they come from the
// wide (UTF-16) command line, so that every character arrives whatever the
// ANSI code page; on POSIX they are argv as it is.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace tq::platform
