// quillet check: every word of a text file that would stop a check run,
// with where it is, why, and the first suggestions.
#include <algorithm>

#include "cli/command.h"
#include "cli/json.h"
#include "cli/line_parser.h"
#include "cli/spell_commands.h"
#include "cli/spell_session.h"

namespace tq::cli {

namespace {

const char kCheckUsage[] =
    "Usage: quillet check [options] FILE\n"
    "  Reports each word that would stop a spelling check: FILE:LINE:COLUMN: VERDICT WORD: suggestions.\n"
    "  Exit code 1 when there are any.\n"
    "  --json                 the report as JSON\n"
    "  --interactive          check in the terminal and write the corrected file back at the end\n"
    "  --dict X.adm           main dictionary (repeatable; default American.adm beside the program)\n"
    "  --custom Y.adu         active custom dictionary (Add and auto-correct go there)\n"
    "  --dir FOLDER           a dictionary folder (repeatable)\n"
    "  --config FILE          spelling configuration file to use\n"
    "  --upcase --numbers --html --internet --quoted --abbreviations --repeated --dual-caps\n"
    "                         spelling options (without any: internet, abbreviations, repeated, dual-caps)\n"
    "  --thorough             thorough suggestions: further afield, better ranked, in the word's case\n";

struct Finding {
  std::string word;  // Windows-1252
  int line = 0;
  int column = 0;
  spell::TWordCheckType verdict = spell::wcDenied;
  std::vector<std::string> suggestions;
};

const char* VerdictName(spell::TWordCheckType verdict) {
  switch (verdict) {
    case spell::wcExcluded:
      return "excluded";
    case spell::wcRepeated:
      return "repeated";
    default:
      return "misspelt";
  }
}

// Line and column (both from 1) of 1-based byte indexes in a text; the line
// starts are found once, and again only after the text changed (a silent
// correction), so a report of many words stays linear.
// Characters of UTF-8 text.
size_t Width(const std::string& utf8) {
  size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

class LineIndex {
 public:
  explicit LineIndex(const std::string& text) : text_(text) {}
  void Changed() { starts_.clear(); }
  // The column counts bytes of the engine's text.
  void Locate(int32_t x, int* line, int* column) {
    if (starts_.empty()) {
      starts_.push_back(0);
      for (size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == '\n') starts_.push_back(i + 1);
    }
    const size_t at = std::min(static_cast<size_t>(std::max(x, 1) - 1), text_.size());
    const auto next = std::upper_bound(starts_.begin(), starts_.end(), at);
    *line = static_cast<int>(next - starts_.begin());
    *column = static_cast<int>(at - *(next - 1) + 1);
  }

 private:
  const std::string& text_;
  std::vector<size_t> starts_;
};

}  // namespace

CheckedText ReadCheckedText(const std::string& bytes) {
  CheckedText t;
  std::string body = bytes;
  t.bom = body.compare(0, 3, "\xEF\xBB\xBF") == 0;
  if (t.bom) body.erase(0, 3);
  t.utf8 = ToEngineText(body, &t.text);
  if (!t.utf8) {
    // Not UTF-8: Windows-1252, byte for byte.
    t.text = AnsiEngineText(bytes);
    t.bom = false;
  }
  return t;
}

namespace {

std::vector<Finding> FindErrors(spell::TQuillSpellBase& engine, const EngineText& checked) {
  std::vector<Finding> findings;
  std::string text = checked.ansi;
  TLineParser parser(text);
  LineIndex lines(text);
  spell::TWordCheckType lastVerdict = spell::wcAccepted;
  engine.OnParserReplaceWord = [&](spell::TQuillSpellBase*, bool before, const std::string&, int32_t) {
    if (!before) lines.Changed();
  };
  engine.OnWordCheck = [&](spell::TQuillSpellBase*, const std::string&, spell::TWordCheckType& verdict,
                           std::string&) { lastVerdict = verdict; };
  engine.OnPromptWord = [&](spell::TQuillSpellBase* s, const std::string& word, bool repeated) {
    Finding f;
    f.word = word;
    f.verdict = repeated ? spell::wcRepeated : lastVerdict;
    int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    lines.Locate(x, &f.line, &f.column);
    // In characters: a stand-in for a run the engine cannot hold counts as
    // the characters it stands for.
    if (checked.placeholder) {
      const size_t at = static_cast<size_t>(std::max(x, 1) - 1);
      const size_t lineStart = at + 1 - static_cast<size_t>(f.column);
      const auto heldBefore = static_cast<size_t>(
          std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(lineStart), checked.placeholder));
      f.column = 1 + static_cast<int>(Width(PartToUtf8(text.substr(lineStart, at - lineStart), checked, heldBefore)));
    }
    if (repeated) {
      f.suggestions.push_back(word.substr(0, word.find(' ')));
    } else {
      s->InternalSuggest(word, 5, f.suggestions);
    }
    findings.push_back(std::move(f));
  };
  engine.PumpMessage = [&] {
    if (engine.ReadRepeatedWord())
      engine.Check_RepeatIgnore();
    else
      engine.Check_Ignore();
  };
  engine.CheckParser(&parser, spell::ctAll);
  engine.OnWordCheck = nullptr;
  engine.OnParserReplaceWord = nullptr;
  engine.OnPromptWord = nullptr;
  engine.PumpMessage = nullptr;
  return findings;
}

}  // namespace

int RunCheckCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kCheckUsage, out);
    return kExitOk;
  }
  SpellSettings settings;
  if (!ParseSpellSettings(args, &settings, err)) return kExitUsage;
  if (settings.rest.size() != 1) {
    std::fputs(kCheckUsage, err);
    return kExitUsage;
  }
  const std::string& path = settings.rest[0];
  std::string bytes;
  if (!platform::ReadWholeFile(env, path, &bytes).ok()) {
    std::fprintf(err, "quillet check: cannot read %s\n", path.c_str());
    return kExitFailure;
  }
  auto engine = OpenSpellEngine(env, settings, err);
  if (!engine) return kExitFailure;
  CheckedText checked = ReadCheckedText(bytes);
  if (settings.interactive) return RunInteractiveCheck(env, *engine, path, std::move(checked), stdin, out, err);

  const std::vector<Finding> findings = FindErrors(*engine, checked.text);
  if (settings.json) {
    std::fprintf(out, "{\"file\": %s, \"words\": %d, \"errors\": [", json::Quote(path).c_str(),
                 engine->ReadWordCount());
    for (size_t i = 0; i < findings.size(); ++i) {
      const Finding& f = findings[i];
      std::fprintf(out, "%s\n  {\"word\": %s, \"line\": %d, \"column\": %d, \"verdict\": \"%s\", \"suggestions\": [",
                   i ? "," : "", json::Quote(ToUtf8(f.word)).c_str(), f.line, f.column, VerdictName(f.verdict));
      for (size_t j = 0; j < f.suggestions.size(); ++j)
        std::fprintf(out, "%s%s", j ? ", " : "", json::Quote(ToUtf8(f.suggestions[j])).c_str());
      std::fprintf(out, "]}");
    }
    std::fprintf(out, "%s]}\n", findings.empty() ? "" : "\n");
  } else {
    for (const Finding& f : findings) {
      std::fprintf(out, "%s:%d:%d: %s '%s'", path.c_str(), f.line, f.column, VerdictName(f.verdict),
                   ToUtf8(f.word).c_str());
      for (size_t j = 0; j < f.suggestions.size(); ++j)
        std::fprintf(out, "%s%s", j ? ", " : ": ", ToUtf8(f.suggestions[j]).c_str());
      std::fprintf(out, "\n");
    }
  }
  return findings.empty() ? kExitOk : kExitFindings;
}

int RunCheck(const std::vector<std::string>& args) { return RunCheckCommand(Utf8Files(), args, stdout, stderr); }

}  // namespace tq::cli
