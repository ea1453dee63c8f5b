// quillet pipe (also quillet -a): the line protocol of ispell, so editors
// and scripts written for it use this engine unchanged. Lines in, one
// answer per word, a blank line after each input line.
#include <algorithm>
#include <cstring>

#include "cli/read_line.h"
#include "cli/command.h"
#include "cli/engine_text.h"
#include "cli/ispell_options.h"
#include "cli/spell_commands.h"
#include "cli/spell_session.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/string_parser.h"
#include "spell/engine/word_check.h"

namespace tq::cli {

namespace {

const char kPipeUsage[] =
    "Usage: quillet pipe [--dict X.adm]... [--custom Y.adu] [spelling options]   (also: quillet -a)\n"
    "  Reads lines from standard input and answers as ispell -a does:\n"
    "  '*' correct, '& WORD COUNT OFFSET: S1, S2' with suggestions, '# WORD OFFSET' without,\n"
    "  a blank line after each input line; offsets count characters. A line starting with '^'\n"
    "  is checked as it is after it; '*WORD' adds to the custom dictionary, '&WORD' adds it in\n"
    "  lower case, '@WORD' accepts it for the session, '#' saves the custom dictionary, '!' and\n"
    "  '%' turn terse mode on and off.\n"
    "  ispell's options are understood, so editors can run quillet as their ispell program:\n"
    "  -v, -vv (the version line), -d NAME (en_US, american, english: American.adm; or a\n"
    "  path), -p FILE (personal dictionary, made on the first save), -i ENC or --encoding=ENC\n"
    "  (UTF-8 or Windows-1252), -l (print the misspelt words of standard input, one a line);\n"
    "  -a, -m, -B, -C, -S, -t, -n, -T TYPE, -w CHARS and -W N are accepted and change nothing.\n";

// Text in the encoding of the session.
struct Encoding {
  bool cp1252 = false;
  // A line as the engine sees it. An ASCII line is the same bytes in
  // Windows-1252 and its offsets are its byte positions: it goes through
  // as it is, with no table of characters (most lines of most texts).
  EngineText Decode(std::string line) const {
    EngineText text;
    if (cp1252 || std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
      text.ansi = std::move(line);
    else if (!ToEngineText(line, &text))
      text = AnsiEngineText(line);  // not UTF-8: taken as Windows-1252
    return text;
  }
  // A word of the engine's as the session writes it.
  std::string Encode(const std::string& ansi) const { return cp1252 ? ansi : ToUtf8(ansi); }
  // A word given in a command, for the dictionaries; false when they cannot hold it.
  bool ToEngine(const std::string& word, std::string* ansi) const {
    if (cp1252) {
      *ansi = word;
      return true;
    }
    return ToAnsi(word, ansi);
  }
};

// The character index of a byte of a decoded line (the byte's own position
// when the line came through as it was).
size_t CharacterAt(const EngineText& text, size_t at) {
  return text.characters.empty() ? std::min(at, text.ansi.size())
                                 : text.characters[std::min(at, text.characters.size() - 1)];
}

// Checks one line; offsets count the characters of the line as it came in,
// plus shift (1 for the '^' that introduced it). The answers go out with the
// line's last word, in one write.
void CheckLine(spell::TQuillSpellBase& engine, const Encoding& encoding, const EngineText& text, int shift, bool terse,
               std::string& answers) {
  std::string line = text.ansi;
  spell::TStringParser parser(line);
  spell::TWordCheck check(engine, parser);
  std::string word;
  std::vector<std::string> list;
  while (check.NextWord(word)) {
    if (check.Verdict(word).Type == spell::wcAccepted) {
      if (!terse) answers += "*\n";
      continue;
    }
    int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    const size_t at = static_cast<size_t>(std::max<int64_t>(0, int64_t{x} - 1 - static_cast<int64_t>(word.size())));
    const std::string offset = std::to_string(static_cast<int>(CharacterAt(text, at)) + shift);
    engine.InternalSuggest(word, engine.MaxSuggestions, list);
    if (list.empty()) {
      answers += "# " + encoding.Encode(word) + " " + offset + "\n";
      continue;
    }
    answers += "& " + encoding.Encode(word) + " " + std::to_string(list.size()) + " " + offset + ":";
    for (size_t i = 0; i < list.size(); ++i) answers += (i ? ", " : " ") + encoding.Encode(list[i]);
    answers += "\n";
  }
}

// ispell -l: the misspelt words of the whole input, one a line.
void ListMisspelt(spell::TQuillSpellBase& engine, const Encoding& encoding, FILE* in, FILE* out) {
  std::string line;
  while (ReadLine(in, &line)) {
    EngineText text = encoding.Decode(std::move(line));
    spell::TStringParser parser(text.ansi);
    spell::TWordCheck check(engine, parser);
    std::string word;
    while (check.NextWord(word))
      if (check.Verdict(word).Type != spell::wcAccepted) std::fprintf(out, "%s\n", encoding.Encode(word).c_str());
  }
}

// A personal dictionary named with -p that does not exist yet: words added
// wait for the first save, which creates it.
class PendingPersonal {
 public:
  PendingPersonal(platform::Env& env, std::string path) : env_(env), path_(std::move(path)) {}
  bool active() const { return !path_.empty(); }
  void Add(const std::string& word) {
    if (dict_)
      dict_->AddIgnore(word);
    else
      words_.push_back(word);
  }
  void Save() {
    if (!dict_) {
      dict_ = std::make_unique<spell::TCustomDictionary>(env_);
      dict_->WriteFilename(path_);
      for (const std::string& w : words_) dict_->AddIgnore(w);
      words_.clear();
    }
    dict_->Save();
  }

 private:
  platform::Env& env_;
  std::string path_;
  std::vector<std::string> words_;
  std::unique_ptr<spell::TCustomDictionary> dict_;
};

}  // namespace

int RunPipeCommand(platform::Env& env, const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kPipeUsage, out);
    return kExitOk;
  }
  IspellOptions ispell;
  std::vector<std::string> rest;
  std::string error;
  if (!ParseIspellOptions(env, args, &ispell, &rest, &error)) {
    std::fprintf(err, "quillet: %s\nTry 'quillet pipe --help'.\n", error.c_str());
    return kExitUsage;
  }
  if (ispell.version) {
    std::fputs(kIspellVersionLine, out);
    return kExitOk;
  }
  SpellSettings settings;
  if (!ParseSpellSettings(rest, &settings, err)) return kExitUsage;
  if (!settings.rest.empty()) {
    std::fprintf(err, "quillet: unexpected argument '%s'\nTry 'quillet pipe --help'.\n", settings.rest[0].c_str());
    return kExitUsage;
  }
  // An existing personal dictionary is the custom dictionary of the session;
  // a new one is made only when the editor saves.
  const bool personal = !ispell.personal.empty() && settings.custom.empty();
  if (personal && env.FileExists(ispell.personal)) settings.custom = ispell.personal;
  PendingPersonal pending(env, personal && settings.custom.empty() ? ispell.personal : "");
  auto engine = OpenSpellEngine(env, settings, err);
  if (!engine) return kExitFailure;
  engine->MaxSuggestions = settings.max;
  const Encoding encoding{ispell.cp1252};
  if (ispell.list) {
    ListMisspelt(*engine, encoding, in, out);
    return kExitOk;
  }
  std::fputs(kIspellVersionLine, out);
  std::fflush(out);
  bool terse = false;
  std::string input, answers;
  while (ReadLine(in, &input)) {
    const char first = input.empty() ? '\0' : input[0];
    // The word of a command, as the dictionaries hold it; made only for
    // the commands that take one, not for every line of text.
    std::string word;
    const bool takesWord = first == '*' || first == '&' || first == '@';
    const bool holds = takesWord && encoding.ToEngine(input.substr(1), &word);
    spell::TCustomDictionary* custom = engine->ReadActiveCustomDictionary();
    switch (first) {
      case '^':
        answers.clear();
        CheckLine(*engine, encoding, encoding.Decode(input.substr(1)), 1, terse, answers);
        answers += "\n";
        std::fwrite(answers.data(), 1, answers.size(), out);
        break;
      case '!':
        terse = true;
        break;
      case '%':
        terse = false;
        break;
      case '*':
      case '&': {
        if (!holds || word.empty()) break;
        if (first == '&') word = spell::AnsiLowerCase(word);
        if (custom) {
          custom->AddIgnore(word);
        } else {
          engine->ReadIgnoreAllDictionary().AddIgnore(word);
          if (pending.active()) pending.Add(word);
        }
        break;
      }
      case '@':
        if (holds && !word.empty()) engine->ReadIgnoreAllDictionary().AddIgnore(word);
        break;
      case '#':
        if (custom)
          custom->Save();
        else if (pending.active())
          pending.Save();
        break;
      case '+':
      case '-':
      case '~':
      case '`':
        break;  // markup modes and extended mode: nothing to change here
      default:
        answers.clear();
        CheckLine(*engine, encoding, encoding.Decode(input), 0, terse, answers);
        answers += "\n";
        std::fwrite(answers.data(), 1, answers.size(), out);
        break;
    }
    if (!LineBuffered(in)) std::fflush(out);
  }
  std::fflush(out);
  return kExitOk;
}

int RunPipe(const std::vector<std::string>& args) { return RunPipeCommand(Utf8Files(), args, stdin, stdout, stderr); }

}  // namespace tq::cli
