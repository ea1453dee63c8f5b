// quillet phonetic and quillet cut: what the engine makes of words and of a
// text before any dictionary is asked, for looking into a suggestion or a
// word that was (or was not) checked.
#include <algorithm>
#include <charconv>

#include "cli/command.h"
#include "cli/engine_text.h"
#include "cli/line_parser.h"
#include "cli/spell_commands.h"
#include "cli/spell_session.h"
#include "spell/engine/phonetic_map.h"
#include "spell/engine/word_check.h"

namespace tq::cli {

namespace {

const char kPhoneticUsage[] =
    "Usage: quillet phonetic [--lang N] WORD...\n"
    "  Prints each word and its sound code, a tab between, as the suggestions compute it.\n"
    "  --lang N   the language id of the rules (1033 English, the default; 1036 French;\n"
    "             1049 Russian; others the default rule set).\n";

const char kCutUsage[] =
    "Usage: quillet cut [spelling options] FILE\n"
    "  Prints the words the engine cuts from FILE, one a line: LINE:COLUMN, a tab, the word.\n"
    "  Words skipped by the options (--html, --internet, --quoted, ...) are not printed; a word\n"
    "  with a character Windows-1252 cannot hold is never a word. Columns count characters.\n";

}  // namespace

int RunPhoneticCommand(const std::vector<std::string>& args, FILE* out, FILE* err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kPhoneticUsage, out);
    return kExitOk;
  }
  int language = 1033;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lang") {
      const std::string v = i + 1 < args.size() ? args[++i] : "";
      auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), language);
      if (v.empty() || ec != std::errc() || end != v.data() + v.size() || language < 0) {
        std::fprintf(err, "quillet phonetic: --lang takes a language id, not '%s'\nTry 'quillet phonetic --help'.\n",
                     v.c_str());
        return kExitUsage;
      }
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      std::fprintf(err, "quillet phonetic: unknown option %s\nTry 'quillet phonetic --help'.\n", args[i].c_str());
      return kExitUsage;
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.empty()) {
    std::fputs(kPhoneticUsage, err);
    return kExitUsage;
  }
  spell::TPhoneticsMap map;
  map.WriteLanguage(language);
  for (const std::string& w : words) {
    std::string ansi;
    if (!ToAnsi(w, &ansi)) {
      std::fprintf(err, "quillet phonetic: '%s' holds a character Windows-1252 cannot\n", w.c_str());
      return kExitUsage;
    }
    std::fprintf(out, "%s\t%s\n", w.c_str(), ToUtf8(map.GetMapping(ansi)).c_str());
  }
  return kExitOk;
}

int RunCutCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kCutUsage, out);
    return kExitOk;
  }
  SpellSettings settings;
  if (!ParseSpellSettings(args, &settings, err)) return kExitUsage;
  if (settings.rest.size() != 1) {
    std::fputs(kCutUsage, err);
    return kExitUsage;
  }
  std::string bytes;
  if (!platform::ReadWholeFile(env, settings.rest[0], &bytes)) {
    std::fprintf(err, "quillet cut: cannot read %s\n", settings.rest[0].c_str());
    return kExitFailure;
  }
  auto engine = OpenSpellEngine(env, settings, err);
  if (!engine) return kExitFailure;
  const CheckedText checked = ReadCheckedText(bytes);
  std::string text = checked.text.ansi;
  TLineParser parser(text);
  spell::TWordCheck check(*engine, parser);
  std::string word;
  while (check.NextWord(word)) {
    // Words the options skip are cut and then dropped by the engine.
    bool skipped = false;
    engine->RunPreCheckIgnore(word, &parser, skipped);
    if (skipped || engine->RunPostCheckIgnore(word, &parser)) continue;
    int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    const size_t at = static_cast<size_t>(std::max<int64_t>(0, int64_t{x} - 1 - static_cast<int64_t>(word.size())));
    const size_t newline = at == 0 ? std::string::npos : text.rfind('\n', at - 1);
    const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    const size_t lineStart = newline == std::string::npos ? 0 : checked.text.characters[newline] + 1;
    std::fprintf(out, "%d:%zu\t%s\n", line, checked.text.characters[at] - lineStart + 1, ToUtf8(word).c_str());
  }
  return kExitOk;
}

int RunPhonetic(const std::vector<std::string>& args) { return RunPhoneticCommand(args, stdout, stderr); }
int RunCut(const std::vector<std::string>& args) { return RunCutCommand(Utf8Files(), args, stdout, stderr); }

}  // namespace tq::cli
