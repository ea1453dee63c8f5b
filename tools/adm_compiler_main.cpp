// adm_compiler: builds a main dictionary (".adm") from a word list.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/compile_command.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::printf("Usage: adm_compiler %s", tq::tools::kCompileUsage);
    return 0;
  }
  return tq::tools::RunCompileCommand(tq::platform::Env::Default(), args, stdout, stderr);
}
