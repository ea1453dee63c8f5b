// quillet pipe (also quillet -a): the line protocol of ispell, so editors
// and scripts written for it use this engine unchanged. Lines in, one
// answer per word, a blank line after each input line.
#include <algorithm>
#include <cstring>

#include "cli/read_line.h"
#include "cli/command.h"
#include "cli/engine_text.h"
#include "cli/spell_commands.h"
#include "cli/spell_session.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/string_parser.h"

namespace tq::cli {

namespace {

const char kPipeUsage[] =
    "Usage: quillet pipe [--dict X.adm]... [--custom Y.adu] [spelling options]   (also: quillet -a)\n"
    "  Reads lines from standard input and answers as ispell -a does:\n"
    "  '*' correct, '& WORD COUNT OFFSET: S1, S2' with suggestions, '# WORD OFFSET' without,\n"
    "  a blank line after each input line. A line starting with '^' is checked as it is after it;\n"
    "  '*WORD' adds to the custom dictionary, '&WORD' adds it in lower case, '@WORD' accepts it\n"
    "  for the session, '#' saves the custom dictionary, '!' and '%' turn terse mode on and off.\n";


// Checks one line; offsets count the characters of the line as it came in,
// plus shift (1 for the '^' that introduced it).
void CheckLine(spell::TQuillSpellBase& engine, const EngineText& text, int shift, bool terse, FILE* out) {
  std::string line = text.ansi;
  spell::TStringParser parser(line);
  spell::TParsingEngine& cutter = *engine.ReadParsingEngine();
  cutter.Initialize(&parser, spell::ctAll);
  engine.CurrentParser = &parser;
  std::string word;
  std::vector<std::string> list;
  for (cutter.NextWord(word); !word.empty(); cutter.NextWord(word)) {
    if (engine.WordAcceptable(word) && !engine.WordExcluded(word)) {
      if (!terse) std::fputs("*\n", out);
      continue;
    }
    int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    const size_t at = static_cast<size_t>(std::max<int64_t>(0, int64_t{x} - 1 - static_cast<int64_t>(word.size())));
    const int offset = static_cast<int>(text.characters[std::min(at, text.characters.size() - 1)]) + shift;
    engine.InternalSuggest(word, engine.MaxSuggestions, list);
    if (list.empty()) {
      std::fprintf(out, "# %s %d\n", ToUtf8(word).c_str(), offset);
      continue;
    }
    std::fprintf(out, "& %s %zu %d:", ToUtf8(word).c_str(), list.size(), offset);
    for (size_t i = 0; i < list.size(); ++i) std::fprintf(out, "%s %s", i ? "," : "", ToUtf8(list[i]).c_str());
    std::fputs("\n", out);
  }
  engine.CurrentParser = nullptr;
}

}  // namespace

int RunPipeCommand(platform::Env& env, const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kPipeUsage, out);
    return kExitOk;
  }
  SpellSettings settings;
  if (!ParseSpellSettings(args, &settings, err)) return kExitUsage;
  if (!settings.rest.empty()) {
    std::fputs(kPipeUsage, err);
    return kExitUsage;
  }
  auto engine = OpenSpellEngine(env, settings, err);
  if (!engine) return kExitFailure;
  engine->MaxSuggestions = settings.max;
  std::fputs("@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n", out);
  std::fflush(out);
  bool terse = false;
  std::string utf8;
  while (ReadLine(in, &utf8)) {
    std::string line;
    // A word to add must be one the dictionaries can hold.
    const bool holds = ToAnsi(utf8, &line);
    if (!holds) line = utf8;
    const char first = line.empty() ? '\0' : line[0];
    const std::string rest = line.empty() ? "" : line.substr(1);
    // A checked line: the words Windows-1252 cannot hold are skipped, and
    // offsets count characters. A line that is not UTF-8 is taken as
    // Windows-1252.
    auto checked = [&](size_t skip) {
      EngineText text;
      const std::string body = utf8.substr(std::min(skip, utf8.size()));
      if (!ToEngineText(body, &text)) text = AnsiEngineText(body);
      return text;
    };
    spell::TCustomDictionary* custom = engine->ReadActiveCustomDictionary();
    switch (first) {
      case '^':
        CheckLine(*engine, checked(1), 1, terse, out);
        std::fputs("\n", out);
        break;
      case '!':
        terse = true;
        break;
      case '%':
        terse = false;
        break;
      case '*':
      case '&': {
        if (!holds) break;
        const std::string word = first == '&' ? spell::AnsiLowerCase(rest) : rest;
        if (custom)
          custom->AddIgnore(word);
        else
          engine->ReadIgnoreAllDictionary().AddIgnore(word);
        break;
      }
      case '@':
        if (holds) engine->ReadIgnoreAllDictionary().AddIgnore(rest);
        break;
      case '#':
        if (custom) custom->Save();
        break;
      case '+':
      case '-':
      case '~':
      case '`':
        break;  // markup modes and extended mode: nothing to change here
      default:
        CheckLine(*engine, checked(0), 0, terse, out);
        std::fputs("\n", out);
        break;
    }
    std::fflush(out);
  }
  return kExitOk;
}

int RunPipe(const std::vector<std::string>& args) {
  return RunPipeCommand(platform::Env::Default(), args, stdin, stdout, stderr);
}

}  // namespace tq::cli
