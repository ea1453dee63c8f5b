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
#include "platform/command_line.h"
#include "platform/utf8_console.h"
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
    {"phonetic", "the sound codes of words, as the suggestions use them", RunPhonetic},
    {"cut", "the words the engine cuts from a text file, with their positions", RunCut},
};

void PrintUsage(FILE* out) {
  std::fprintf(out, "Usage: quillet <command> [options]\n\nCommands:\n");
  for (const Command& c : kCommands) std::fprintf(out, "  %-12s %s\n", c.name, c.summary);
  std::fprintf(out,
               "\n'quillet <command> --help' or 'quillet help <command>' tells more about a command;\n"
               "'quillet --version' prints the version.\n"
               "\nExit codes: 0 done; 1 findings (problems, misspellings); 2 wrong arguments;\n"
               "3 the command could not do its work.\n"
               "\nA library that another process has open is waited for up to 10 seconds; after that\n"
               "the command fails with exit code 3 and says the file is in use. Editors may run\n"
               "quillet as their ispell program ('quillet pipe --help').\n"
               "\nText is UTF-8 on every system: arguments (on Windows taken as Unicode, whatever\n"
               "the code page), file names, standard input (unless a command says otherwise) and\n"
               "standard output and error, whose bytes are the same as on Linux. A Windows console\n"
               "window is switched to UTF-8 output while quillet runs. A script that reads the\n"
               "output decodes it as UTF-8 (PowerShell: set [Console]::OutputEncoding to UTF-8).\n");
}

const Command* Find(const std::string& name) {
  for (const Command& c : kCommands)
    if (name == c.name) return &c;
  return nullptr;
}

}  // namespace

int RunQuillet(const std::vector<std::string>& argv) {
  if (argv.empty()) {
    PrintUsage(stderr);
    return kExitUsage;
  }
  const std::string& first = argv[0];
  if (first == "--help" || first == "-h" || (first == "help" && argv.size() == 1)) {
    PrintUsage(stdout);
    return kExitOk;
  }
  if (first == "--version") {
    std::printf("quillet %s\n", TQ_VERSION_TEXT);
    return kExitOk;
  }
  if (first == "help") {
    const Command* c = Find(argv[1]);
    if (!c || argv.size() > 2) {
      std::fprintf(stderr, "quillet help: no command '%s'\nTry 'quillet --help'.\n", argv[1].c_str());
      return kExitUsage;
    }
    return c->run({"--help"});
  }
  std::vector<std::string> args(argv.begin() + 1, argv.end());
  if (const Command* c = Find(first)) return c->run(args);
  // An editor runs an ispell program with ispell's options in any order
  // (-vv to probe it, -l for list mode, -d or -p before -a).
  if (first.size() >= 2 && first[0] == '-' && first[1] != '-') return RunPipe(argv);
  std::fprintf(stderr, "quillet: unknown command '%s'\nTry 'quillet --help'.\n", first.c_str());
  return kExitUsage;
}

}  // namespace tq::cli

int main(int argc, char** argv) {
  const tq::platform::Utf8Console console;
  return tq::cli::RunQuillet(tq::platform::Utf8Arguments(argc, argv));
}
