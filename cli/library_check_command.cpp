#include "cli/library_check_command.h"

#include "cli/command.h"
#include "cli/engine_text.h"
#include "cli/json.h"
#include "cli/library_records.h"
#include "cli/spell_commands.h"
#include "cli/spell_session.h"
#include "library/reply_plain_text.h"
#include "library/reply_spelling.h"
#include "spell/engine/string_parser.h"
#include "storage/binary_data_set.h"
#include "storage/one_line.h"
#include "storage/reply_layout.h"

namespace tq::cli {

namespace {

const char kUsage[] =
    "Usage: quillet check --library FILE.qdk [options]\n"
    "  Reports each word of each reply that would stop a spelling check:\n"
    "  FILE#INDEX (DESCRIPTION): VERDICT 'WORD': suggestions. Rich text replies are read as their text.\n"
    "  Exit code 1 when there are any.\n"
    "  --json                 the report as JSON\n"
    "  --dict, --custom, --dir, --config and the option flags as for 'quillet check'\n";

struct WordFinding {
  std::string word;  // Windows-1252
  bool repeated = false;
  bool excluded = false;
  std::vector<std::string> suggestions;
};

struct ReplyFindings {
  int64_t index = 0;
  ReplyData reply;  // UTF-8
  std::vector<WordFinding> words;
};

// Every stop of a check run over text, each answered with Ignore.
std::vector<WordFinding> CheckText(spell::TQuillSpellBase& engine, std::string text) {
  std::vector<WordFinding> found;
  spell::TStringParser parser(text);
  spell::TWordCheckType verdict = spell::wcAccepted;
  engine.OnWordCheck = [&](spell::TQuillSpellBase*, const std::string&, spell::TWordCheckType& v, std::string&) {
    verdict = v;
  };
  engine.OnPromptWord = [&](spell::TQuillSpellBase* s, const std::string& word, bool repeated) {
    WordFinding f{
        .word = word, .repeated = repeated, .excluded = !repeated && verdict == spell::wcExcluded, .suggestions = {}};
    if (repeated)
      f.suggestions.push_back(word.substr(0, word.find(' ')));
    else
      s->InternalSuggest(word, 5, f.suggestions);
    found.push_back(std::move(f));
  };
  engine.PumpMessage = [&] { engine.ReadRepeatedWord() ? engine.Check_RepeatIgnore() : engine.Check_Ignore(); };
  engine.CheckParser(&parser, spell::ctAll);
  engine.OnWordCheck = nullptr;
  engine.OnPromptWord = nullptr;
  engine.PumpMessage = nullptr;
  return found;
}

const char* Verdict(const WordFinding& f) { return f.repeated ? "repeated" : f.excluded ? "excluded" : "misspelt"; }

}  // namespace

bool NamesLibrary(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (a == "--library") return true;
  return false;
}

int RunLibraryCheckCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err) {
  std::vector<std::string> rest;
  std::string library;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::fputs(kUsage, out);
      return kExitOk;
    }
    if (args[i] != "--library") {
      rest.push_back(args[i]);
    } else if (i + 1 < args.size() && library.empty()) {
      library = args[++i];
    } else {
      std::fputs(kUsage, err);
      return kExitUsage;
    }
  }
  SpellSettings settings;
  if (!ParseSpellSettings(rest, &settings, err)) return kExitUsage;
  if (!settings.rest.empty() || settings.interactive) {
    std::fputs(kUsage, err);
    return kExitUsage;
  }
  std::vector<ReplyFindings> findings;
  int64_t replies = 0;
  try {
    storage::TBinaryDataSet table(env);
    OpenLibrary(table, library, true);
    auto engine = OpenSpellEngine(env, settings, err);
    if (!engine) return kExitFailure;
    // The findings must be the program's own: its letter-case rule, not the
    // command line's more lenient one.
    engine->AllowedCases = library::kProgramAllowedCases;
    for (table.First(); !table.Eof(); table.Next(), ++replies) {
      ReplyData reply = ReadReply(table);
      // The engine holds Windows-1252: words with other characters are
      // stood in for by a placeholder and not checked.
      EngineText text;
      if (!ToEngineText(library::ReplyPlainText(reply.response), &text)) continue;
      std::vector<WordFinding> words = CheckText(*engine, text.ansi);
      if (!words.empty()) findings.push_back({replies, std::move(reply), std::move(words)});
    }
  } catch (const std::exception& e) {
    std::fprintf(err, "quillet check: %s: %s\n", library.c_str(), storage::OneLine(e.what()).c_str());
    return kExitFailure;
  }

  if (settings.json) {
    std::string s =
        "{\"file\": " + json::Quote(library) + ", \"replies_checked\": " + std::to_string(replies) + ", \"replies\": [";
    for (size_t i = 0; i < findings.size(); ++i) {
      const ReplyFindings& r = findings[i];
      s += std::string(i ? "," : "") + "\n  {\"index\": " + std::to_string(r.index) +
           ", \"category\": " + json::Quote(r.reply.category) +
           ", \"description\": " + json::Quote(r.reply.description) + ", \"errors\": [";
      for (size_t j = 0; j < r.words.size(); ++j) {
        const WordFinding& f = r.words[j];
        s += std::string(j ? ", " : "") + "{\"word\": " + json::Quote(ToUtf8(f.word)) + ", \"verdict\": \"" +
             Verdict(f) + "\", \"suggestions\": [";
        for (size_t k = 0; k < f.suggestions.size(); ++k) s += (k ? ", " : "") + json::Quote(ToUtf8(f.suggestions[k]));
        s += "]}";
      }
      s += "]}";
    }
    s += findings.empty() ? "]}\n" : "\n]}\n";
    std::fputs(s.c_str(), out);
  } else {
    for (const ReplyFindings& r : findings)
      for (const WordFinding& f : r.words) {
        std::string line = library + "#" + std::to_string(r.index) + " (" + r.reply.description + "): " + Verdict(f) +
                           " '" + ToUtf8(f.word) + "'";
        for (size_t k = 0; k < f.suggestions.size(); ++k) line += (k ? ", " : ": ") + ToUtf8(f.suggestions[k]);
        std::fprintf(out, "%s\n", line.c_str());
      }
  }
  return findings.empty() ? kExitOk : kExitFindings;
}

int RunCheckFileOrLibrary(const std::vector<std::string>& args) {
  if (NamesLibrary(args)) return RunLibraryCheckCommand(Utf8Files(), args, stdout, stderr);
  return RunCheck(args);
}

}  // namespace tq::cli
