// One quillet command: its name, a line for the usage text, and the function
// that runs it with the arguments after the command name.
#pragma once

#include <string>
#include <vector>

namespace tq::cli {

// Exit codes a script can rely on.
constexpr int kExitOk = 0;
constexpr int kExitFindings = 1;  // the command ran and found problems (check: errors present)
constexpr int kExitUsage = 2;     // wrong arguments
constexpr int kExitFailure = 3;   // the command could not do its work (unreadable file, ...)

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const std::vector<std::string>& args);
};

}  // namespace tq::cli
