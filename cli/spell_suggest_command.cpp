// quillet suggest: ranked replacements, with their distances, for words.
#include "cli/command.h"
#include "cli/spell_commands.h"
#include "cli/spell_session.h"

namespace tq::cli {

namespace {

const char kSuggestUsage[] =
    "Usage: quillet suggest [--dict X.adm]... [--custom Y.adu] [--max N] [spelling options] WORD...\n"
    "  For each word: a line 'WORD: correct' or 'WORD:' followed by one line per\n"
    "  suggestion, best first: two spaces, the suggestion, a tab, its edit distance.\n"
    "  Without --dict, American.adm next to the program is used.\n";

}  // namespace

int RunSuggestCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kSuggestUsage, out);
    return kExitOk;
  }
  SpellSettings settings;
  if (!ParseSpellSettings(args, &settings, err)) return kExitUsage;
  if (settings.rest.empty()) {
    std::fputs(kSuggestUsage, err);
    return kExitUsage;
  }
  auto engine = OpenSpellEngine(env, settings, err);
  if (!engine) return kExitFailure;
  bool anyWrong = false;
  for (const std::string& given : settings.rest) {
    // A word the dictionaries' code page cannot hold has no verdict, as in
    // the program's windows: it is passed over.
    std::string word;
    if (!ToAnsi(given, &word)) {
      std::fprintf(out, "%s: skipped\n", given.c_str());
      continue;
    }
    if (engine->Verdict(word).Type == spell::wcAccepted) {
      std::fprintf(out, "%s: correct\n", ToUtf8(word).c_str());
      continue;
    }
    anyWrong = true;
    std::vector<std::string> list;
    std::vector<int> distances;
    engine->InternalSuggest(word, settings.max, list, &distances);
    std::fprintf(out, "%s:\n", ToUtf8(word).c_str());
    for (size_t i = 0; i < list.size(); ++i) std::fprintf(out, "  %s\t%d\n", ToUtf8(list[i]).c_str(), distances[i]);
  }
  return anyWrong ? kExitFindings : kExitOk;
}

int RunSuggest(const std::vector<std::string>& args) { return RunSuggestCommand(Utf8Files(), args, stdout, stderr); }

}  // namespace tq::cli
