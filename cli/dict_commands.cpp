#include "cli/dict_commands.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "cli/command.h"
#include "platform/codepage.h"
#include "spell/engine/custom_dictionary.h"
#include "spell/engine/main_dictionary.h"
#include "tools/compile_command.h"

namespace tq::cli {

namespace {

using spell::TCustomDictionary;
using spell::TMainDictionary;

const char kUsage[] =
    "Usage: quillet dict <subcommand> ...\n"
    "  compile [--title TEXT] [--language LANGID] [--wide] WORDLIST OUT.adm\n"
    "                          build a main dictionary from a UTF-8 word list\n"
    "  info FILE               title, language and counts of a .adm, .adu or .adl file\n"
    "  lookup FILE WORD...     whether each word is in the dictionary (exit 1 when one is not)\n"
    "  prefix FILE.adm PREFIX  the words of a main dictionary that begin with PREFIX\n"
    "  words FILE.adu          the entries of a custom dictionary: kind, word, replacement\n"
    "  add FILE.adu [--exclude | --autocorrect REPLACEMENT] WORD...\n"
    "                          add words (created when missing)\n"
    "  remove FILE.adu WORD... remove words of any kind\n";

std::string Out(const std::string& ansi) { return platform::Cp1252ToUtf8(ansi); }

// A word of the command line for the dictionaries; false when their code
// page cannot hold it, and such a word is passed over, not refused.
bool WordIn(const std::string& utf8, std::string* ansi) { return platform::Utf8ToCp1252(utf8, ansi); }

bool In(const std::string& utf8, std::string* ansi, FILE* err) {
  std::string bad;
  if (platform::Utf8ToCp1252(utf8, ansi, &bad)) return true;
  std::fprintf(err, "quillet dict: '%s' holds a character Windows-1252 cannot: %s\n", utf8.c_str(), bad.c_str());
  return false;
}

// A main dictionary that accepted path, or none.
std::unique_ptr<TMainDictionary> OpenMain(platform::Env& env, const std::string& path) {
  auto dict = std::make_unique<TMainDictionary>(env);
  dict->WriteFilename(path);
  if (dict->ReadFilename() != path) return nullptr;
  return dict;
}

// An existing custom dictionary file, or none.
std::unique_ptr<TCustomDictionary> OpenCustom(platform::Env& env, const std::string& path, bool mayCreate) {
  if (!mayCreate && !env.FileExists(path)) return nullptr;
  auto dict = std::make_unique<TCustomDictionary>(env);
  dict->WriteFilename(path);
  if (dict->ReadFilename() != path) return nullptr;
  dict->WriteLoaded(true);
  return dict;
}

int NotADictionary(FILE* err, const std::string& path) {
  std::fprintf(err, "quillet dict: %s is not a dictionary file this program can read\n", path.c_str());
  return kExitFailure;
}

int Info(platform::Env& env, const std::string& path, FILE* out, FILE* err) {
  if (auto main = OpenMain(env, path)) {
    main->WriteLoaded(true);
    std::fprintf(out, "type: main dictionary\ntitle: %s\nlanguage: %u\nwords: %u\nnodes: %u\n",
                 main->ReadTitle().c_str(), main->ReadLanguage(), main->ReadWordCount(), main->ReadNodeCount());
    std::fprintf(out, "node tables:");
    for (int k = 0; k < spell::adm::kNodeTableCount; ++k) std::fprintf(out, " %u", main->ReadTableSize(k));
    std::fprintf(out, "\n");
    if (!main->ReadLoaded()) {
      std::fprintf(out, "body: shorter than its header promises; no word can be found\n");
      return kExitFailure;
    }
    std::fprintf(out, "linkage bytes: %u\n", main->ReadLinkageSize());
    return kExitOk;
  }
  if (auto custom = OpenCustom(env, path, false)) {
    std::fprintf(out, "type: custom dictionary\nadded: %d\nexcluded: %d\nauto-correct: %d\ntable size: %d\n",
                 custom->ReadIgnoreCount(), custom->ReadExcludeCount(), custom->ReadAutoCorrectCount(),
                 custom->ReadTableSize());
    return kExitOk;
  }
  return NotADictionary(err, path);
}

int Lookup(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err) {
  const std::string& path = args[0];
  std::unique_ptr<TMainDictionary> main = OpenMain(env, path);
  std::unique_ptr<TCustomDictionary> custom = main ? nullptr : OpenCustom(env, path, false);
  if (!main && !custom) return NotADictionary(err, path);
  int result = kExitOk;
  for (size_t i = 1; i < args.size(); ++i) {
    std::string word;
    if (!WordIn(args[i], &word)) {
      std::fprintf(out, "%s\tskipped\n", args[i].c_str());
      continue;
    }
    std::string verdict = "not found";
    std::string replacement;
    if (main && main->WordExists(word)) verdict = "found";
    if (custom) {
      if (custom->IgnoreExists(word)) verdict = "added";
      if (custom->ExcludeExists(word)) verdict = "excluded";
      if (custom->AutoCorrectExists(word, replacement)) verdict = "auto-correct\t" + Out(replacement);
    }
    if (verdict == "not found") result = kExitFindings;
    std::fprintf(out, "%s\t%s\n", args[i].c_str(), verdict.c_str());
  }
  return result;
}

int Prefix(platform::Env& env, const std::string& path, const std::string& prefixUtf8, FILE* out, FILE* err) {
  std::unique_ptr<TMainDictionary> main = OpenMain(env, path);
  if (!main) return NotADictionary(err, path);
  std::string prefix;
  if (!In(prefixUtf8, &prefix, err)) return kExitUsage;
  main->EnumeratePrefixWords(prefix, [&](std::string_view w) {
    std::fprintf(out, "%s\n", Out(std::string(w)).c_str());
    return false;
  });
  return kExitOk;
}

int Words(platform::Env& env, const std::string& path, FILE* out, FILE* err) {
  std::unique_ptr<TCustomDictionary> custom = OpenCustom(env, path, false);
  if (!custom) return NotADictionary(err, path);
  struct Entry {
    int rank;
    std::string kind, word, replacement;
  };
  std::vector<Entry> entries;
  std::string w, r;
  for (int i = 0; i < custom->ReadIgnoreCount(); ++i) {
    custom->GetIgnoreWord(i, w);
    entries.push_back({0, "added", w, ""});
  }
  for (int i = 0; i < custom->ReadExcludeCount(); ++i) {
    custom->GetExcludeWord(i, w);
    entries.push_back({1, "excluded", w, ""});
  }
  for (int i = 0; i < custom->ReadAutoCorrectCount(); ++i) {
    custom->GetAutoCorrectWord(i, w, r);
    entries.push_back({2, "auto-correct", w, r});
  }
  // Slot order means nothing to a reader: sort within each kind.
  std::sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return std::tie(a.rank, a.word) < std::tie(b.rank, b.word); });
  for (const Entry& e : entries) {
    std::fprintf(out, "%s\t%s", e.kind.c_str(), Out(e.word).c_str());
    if (!e.replacement.empty()) std::fprintf(out, "\t%s", Out(e.replacement).c_str());
    std::fprintf(out, "\n");
  }
  return kExitOk;
}

int Change(platform::Env& env, const std::vector<std::string>& args, bool adding, FILE* out, FILE* err) {
  const std::string& path = args[0];
  char kind = TCustomDictionary::kIgnore;
  std::string replacement;
  size_t first = 1;
  if (adding && args.size() > 1 && args[1] == "--exclude") {
    kind = TCustomDictionary::kExclude;
    first = 2;
  } else if (adding && args.size() > 2 && args[1] == "--autocorrect") {
    kind = TCustomDictionary::kAutoCorrect;
    if (!In(args[2], &replacement, err)) return kExitUsage;
    first = 3;
  }
  if (first >= args.size()) {
    std::fprintf(err, "%s", kUsage);
    return kExitUsage;
  }
  std::unique_ptr<TCustomDictionary> custom = OpenCustom(env, path, adding);
  if (!custom) return NotADictionary(err, path);
  int result = kExitOk;
  for (size_t i = first; i < args.size(); ++i) {
    std::string word;
    if (!WordIn(args[i], &word)) {
      std::fprintf(out, "%s\tskipped\n", args[i].c_str());
      continue;
    }
    bool done = false;
    if (adding) {
      done = kind == TCustomDictionary::kIgnore    ? custom->AddIgnore(word)
             : kind == TCustomDictionary::kExclude ? custom->AddExclude(word)
                                                   : custom->AddAutoCorrect(word, replacement);
    } else {
      done = custom->RemoveIgnore(word) || custom->RemoveExclude(word) || custom->RemoveAutoCorrect(word);
    }
    if (!done) result = kExitFindings;
    std::fprintf(out, "%s\t%s\n", args[i].c_str(),
                 done ? (adding ? "added" : "removed") : (adding ? "refused" : "not found"));
  }
  custom->Save();
  return result;
}

}  // namespace

int RunDictCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fprintf(args.empty() ? err : out, "%s", kUsage);
    return args.empty() ? kExitUsage : kExitOk;
  }
  const std::string& sub = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (sub == "compile") return tools::RunCompileCommand(env, rest, out, err);
  if (sub == "info" && rest.size() == 1) return Info(env, rest[0], out, err);
  if (sub == "lookup" && rest.size() >= 2) return Lookup(env, rest, out, err);
  if (sub == "prefix" && rest.size() == 2) return Prefix(env, rest[0], rest[1], out, err);
  if (sub == "words" && rest.size() == 1) return Words(env, rest[0], out, err);
  if ((sub == "add" || sub == "remove") && rest.size() >= 2) return Change(env, rest, sub == "add", out, err);
  std::fprintf(err, "%s", kUsage);
  return kExitUsage;
}

int RunDict(const std::vector<std::string>& args) { return RunDictCommand(Utf8Files(), args, stdout, stderr); }

}  // namespace tq::cli
