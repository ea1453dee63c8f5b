#include "tools/compile_command.h"

#include <cstdlib>

#include "platform/codepage.h"
#include "spell/engine/dictionary_compiler.h"
#include "tools/word_list.h"

namespace tq::tools {

const char* const kCompileUsage =
    "[--title TEXT] [--language LANGID] [--wide] WORDLIST OUTPUT.adm\n"
    "  Builds a main dictionary from a UTF-8 word list, one word per line.\n"
    "  Words Windows-1252 cannot hold are skipped and counted.\n"
    "  --language  Windows language identifier, e.g. 1033 (default 1033)\n"
    "  --wide      store child numbers in the 2/3-byte form even when small\n";

int RunCompileCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err) {
  spell::TCompileOptions options;
  options.language = 1033;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--title" || a == "--language") && i + 1 < args.size()) {
      const std::string& value = args[++i];
      if (a == "--title") {
        options.title = value;  // the file holds its title as UTF-16: any text
      } else {
        char* end = nullptr;
        const long id = std::strtol(value.c_str(), &end, 0);
        if (value.empty() || *end != '\0' || id < 0 || id > 0xFFFF) {
          std::fprintf(err, "Not a language identifier: %s\n", value.c_str());
          return 2;
        }
        options.language = static_cast<uint32_t>(id);
      }
    } else if (a == "--wide") {
      options.wideChildNumbers = true;
    } else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(err, "Unknown option %s\nUsage: %s", a.c_str(), kCompileUsage);
      return 2;
    } else {
      files.push_back(a);
    }
  }
  if (files.size() != 2) {
    std::fprintf(err, "Usage: %s", kCompileUsage);
    return 2;
  }
  std::string text;
  if (platform::Status s = platform::ReadWholeFile(env, files[0], &text); !s) {
    std::fprintf(err, "%s\n", s.message().c_str());
    return 3;
  }
  TWordList list = ReadUtf8WordList(text);
  const size_t lines = list.words.size() + list.skipped;
  std::string image;
  std::string error;
  spell::TCompileStats stats;
  if (!spell::CompileMainDictionary(std::move(list.words), options, &image, &stats, &error)) {
    std::fprintf(err, "%s\n", error.c_str());
    return 3;
  }
  if (platform::Status s = platform::WriteWholeFile(env, files[1], image); !s) {
    std::fprintf(err, "%s\n", s.message().c_str());
    return 3;
  }
  std::fprintf(out, "%s: %u words from %zu lines, %u nodes, %u linkage bytes, %zu bytes\n", files[1].c_str(),
               stats.words, lines, stats.nodes, stats.linkageBytes, stats.fileBytes);
  if (list.skipped)
    std::fprintf(out, "skipped %zu words Windows-1252 cannot hold (the first: %s)\n", list.skipped,
                 list.firstSkipped.c_str());
  return 0;
}

}  // namespace tq::tools
