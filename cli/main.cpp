// quillet: the command-line companion. Each command group lives in a file of
// its own (*_commands.cpp) and adds its entries to the table below.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/dict_commands.h"
#include "cli/library_check_command.h"
#include "cli/library_commands.h"
#include "cli/spell_commands.h"
#include "tq_version.h"

namespace tq::cli {
namespace {

const Command kCommands[] = {
    // {"name", "one-line summary", RunFunction},
    {"dict", "compile, inspect and query dictionary files", RunDict},
    {"create", "create an empty reply library", RunLibraryCreate},
    {"list", "list the replies of a library", RunLibraryList},
    {"show", "show one reply with its text", RunLibraryShow},
    {"add", "add a reply to a library", RunLibraryAdd},
    {"edit", "change a reply's fields", RunLibraryEdit},
    {"delete", "delete a reply", RunLibraryDelete},
    {"pack", "remove a library's deleted slots", RunLibraryPack},
    {"export", "write a library's replies as JSON or CSV", RunLibraryExport},
    {"import", "add replies from JSON or CSV to a library", RunLibraryImport},
    {"verify", "check a library file and report what is wrong", RunLibraryVerify},
    {"suggest", "ranked spelling suggestions for words", RunSuggest},
    {"check", "spell-check a text file (report, or --interactive) or a library (--library)", RunCheckFileOrLibrary},
    {"pipe", "spell-check lines from standard input, speaking ispell's -a protocol", RunPipe},
    {"-a", "the same as pipe", RunPipe},
};

void PrintUsage(FILE* out) {
  std::fprintf(out, "Usage: quillet <command> [options]\n\nCommands:\n");
  for (const Command& c : kCommands) std::fprintf(out, "  %-12s %s\n", c.name, c.summary);
  std::fprintf(out,
               "\n'quillet <command> --help' tells more about a command; 'quillet --version' prints the version.\n");
}

}  // namespace
}  // namespace tq::cli

int main(int argc, char** argv) {
  using namespace tq::cli;
  if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "help")) {
    PrintUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? kExitUsage : kExitOk;
  }
  if (!std::strcmp(argv[1], "--version")) {
    std::printf("quillet %s\n", TQ_VERSION_TEXT);
    return kExitOk;
  }
  std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& c : kCommands)
    if (argv[1] == std::string(c.name)) return c.run(args);
  std::fprintf(stderr, "quillet: unknown command '%s'\n", argv[1]);
  PrintUsage(stderr);
  return kExitUsage;
}
