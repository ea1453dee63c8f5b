// One quillet command: its name, a line for the usage text, and the function
// that runs it with the arguments after the command name.
#pragma once

#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::cli {

// Exit codes a script can rely on.
constexpr int kExitOk = 0;
constexpr int kExitFindings = 1;  // the command ran and found problems (check: errors present)
constexpr int kExitUsage = 2;     // wrong arguments
constexpr int kExitFailure = 3;   // the command could not do its work (unreadable file, ...)

// The file system as quillet names files: in UTF-8, on every system (its
// arguments arrive as UTF-8 on Windows too).
inline platform::Env& Utf8Files() { return platform::Env::Default(platform::PathEncoding::Utf8); }

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const std::vector<std::string>& args);
};

}  // namespace tq::cli
