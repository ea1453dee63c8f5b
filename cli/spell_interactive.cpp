// quillet check --interactive: a check run in the terminal. Each stop shows
// the line with the word and numbered suggestions and waits for a key; the
// corrected text is written back only when the run completes.
#include <algorithm>
#include <cstring>

#include "cli/read_line.h"
#include "cli/command.h"
#include "cli/line_parser.h"
#include "cli/spell_session.h"
#include "platform/codepage.h"
#include "spell/engine/string_parser.h"

namespace tq::cli {

namespace {

const char kKeys[] =
    "  [i]gnore  ignore [a]ll  [c]hange  change a[l]l  a[d]d  [u]ndo  [q]uit  or a suggestion's number\n";


// Characters of UTF-8 text.
size_t Width(const std::string& utf8) {
  size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

}  // namespace

int RunInteractiveCheck(platform::Env& env, spell::TQuillSpellBase& engine, const std::string& path,
                        CheckedText checked, FILE* in, FILE* out, FILE* err) {
  std::string text = checked.text.ansi;
  TLineParser parser(text);
  std::vector<std::string> suggestions;
  engine.OnPromptWord = [&](spell::TQuillSpellBase* s, const std::string& word, bool repeated) {
    int32_t x = 0, y = 0;
    parser.GetPosition(x, y);
    const size_t at = static_cast<size_t>(std::max(x, 1) - 1);
    const size_t lineStart =
        at == 0 ? 0 : (text.rfind('\n', at - 1) == std::string::npos ? 0 : text.rfind('\n', at - 1) + 1);
    size_t lineEnd = text.find('\n', at);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    std::string line = text.substr(lineStart, lineEnd - lineStart);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    // Shown as it is in the file; the marks under the word count characters.
    const char mark = checked.text.placeholder;
    const auto heldBefore =
        mark ? static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(lineStart), mark))
             : size_t{0};
    const std::string lead = PartToUtf8(text.substr(lineStart, at - lineStart), checked.text, heldBefore);
    std::fprintf(out, "\n%s\n%*s%s\n", PartToUtf8(line, checked.text, heldBefore).c_str(),
                 static_cast<int>(Width(lead)), "", std::string(Width(ToUtf8(word)), '^').c_str());
    suggestions.clear();
    if (repeated) {
      std::fprintf(out, "repeated word '%s'  [d]elete one  [i]gnore  [u]ndo  [q]uit\n", ToUtf8(word).c_str());
      return;
    }
    s->InternalSuggest(word, 9, suggestions);
    std::fprintf(out, "'%s':", ToUtf8(word).c_str());
    for (size_t i = 0; i < suggestions.size(); ++i)
      std::fprintf(out, "  %zu) %s", i + 1, ToUtf8(suggestions[i]).c_str());
    std::fprintf(out, "\n%s", kKeys);
  };
  auto askReplacement = [&](std::string* replacement) {
    std::fprintf(out, "replacement: ");
    std::fflush(out);
    std::string utf8Line;
    if (!ReadLine(in, &utf8Line) || utf8Line.empty()) return false;
    if (!ToAnsi(utf8Line, replacement)) {
      std::fprintf(err, "quillet check: Windows-1252 cannot hold that text\n");
      return false;
    }
    return true;
  };
  engine.PumpMessage = [&] {
    std::fprintf(out, "> ");
    std::fflush(out);
    std::string key;
    if (!ReadLine(in, &key)) {
      engine.Check_Cancel();
      return;
    }
    std::string replacement;
    const bool repeated = engine.ReadRepeatedWord();
    if (key == "q") {
      engine.Check_Cancel();
    } else if (key == "i") {
      engine.Check_Ignore();
    } else if (key == "u") {
      if (!engine.ReadCanUndo()) std::fprintf(out, "nothing to undo\n");
      engine.Check_Undo();
    } else if (repeated && key == "d") {
      engine.Check_RepeatDelete();
    } else if (repeated) {
      std::fprintf(out, "  [d]elete one  [i]gnore  [u]ndo  [q]uit\n");
    } else if (key == "a") {
      engine.Check_IgnoreAll();
    } else if (key == "d") {
      engine.Check_Add();
    } else if (key == "c" || key == "l") {
      if (askReplacement(&replacement))
        key == "c" ? engine.Check_Change(replacement) : engine.Check_ChangeAll(replacement);
    } else if (!key.empty() && std::strspn(key.c_str(), "0123456789") == key.size()) {
      const size_t n = std::strtoul(key.c_str(), nullptr, 10);
      if (n >= 1 && n <= suggestions.size())
        engine.Check_Change(suggestions[n - 1]);
      else
        std::fprintf(out, "no suggestion %s\n", key.c_str());
    } else {
      std::fputs(kKeys, out);
    }
  };
  engine.CheckParser(&parser, spell::ctAll);
  engine.OnPromptWord = nullptr;
  engine.PumpMessage = nullptr;
  if (engine.ReadCancelled()) {
    std::fprintf(out, "\ncancelled; %s is unchanged\n", path.c_str());
    return kExitFindings;
  }
  std::string bytes = text;
  if (checked.utf8) {
    if (!FromEngineText(text, checked.text, &bytes)) {
      std::fprintf(err, "quillet check: the corrected text lost a word it could not check; %s is unchanged\n",
                   path.c_str());
      return kExitFailure;
    }
    if (checked.bom) bytes.insert(0, "\xEF\xBB\xBF");
  }
  if (!platform::WriteWholeFile(env, path, bytes).ok()) {
    std::fprintf(err, "quillet check: cannot write %s\n", path.c_str());
    return kExitFailure;
  }
  std::fprintf(out, "\nThe spelling check is complete. %d words checked; %s written.\n", engine.ReadWordCount(),
               path.c_str());
  return kExitOk;
}

}  // namespace tq::cli
