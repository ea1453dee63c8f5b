#include "cli/spell_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#if !defined(_WIN32)
#include <poll.h>
#include <unistd.h>
#endif

#include "cli/command.h"
#include "cli/json.h"
#include "cli/spell_session.h"
#include "spell/engine/dictionary_test_support.h"
#include "tests/support/captured_run.h"
#include "tests/support/temp_dir.h"

namespace tq::cli {
namespace {

using platform::Env;
using Result = tq::testing::RunResult;

struct SpellFixture {
  tq::testing::TempDir dir;
  std::string adm;
  SpellFixture() {
    adm = dir.File("Small.adm");
    spell::testsupport::WriteMainDictionary(
        adm, {"house", "hose", "horse", "mouse", "the", "cat", "sat", "on", "mat", "caf\xE9", "knight"}, 1033);
  }
};

Result Suggest(std::vector<std::string> args) {
  return tq::testing::CapturedRun(
      [&](FILE* out, FILE* err) { return RunSuggestCommand(Env::Default(), args, out, err); });
}

TEST(SuggestCommand, RankedSuggestionsWithDistances) {
  SpellFixture f;
  Result r = Suggest({"--dict", f.adm, "hosue", "cat", "kniet", "cafe"});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out,
            "hosue:\n  house\t1\n  hose\t1\n"
            "cat: correct\n"
            "kniet:\n  knight\t2\n"
            "cafe:\n  caf\xC3\xA9\t1\n");
  r = Suggest({"--dict", f.adm, "--max", "1", "hosue"});
  EXPECT_EQ(r.out, "hosue:\n  house\t1\n");
  EXPECT_EQ(Suggest({"--dict", f.adm, "the", "mat"}).code, kExitOk);
  // A word with a character Windows-1252 cannot hold is passed over.
  r = Suggest({"--dict", f.adm, "\xE2\x82\xAC\xE4\xB8\x80", "c\xD0\xB0t", "the"});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "\xE2\x82\xAC\xE4\xB8\x80: skipped\nc\xD0\xB0t: skipped\nthe: correct\n");
}

TEST(SuggestCommand, CustomDictionaryWordsCount) {
  SpellFixture f;
  const std::string adu = f.dir.File("mine.adu");
  spell::TCustomDictionary custom;
  custom.WriteFilename(adu);
  custom.AddIgnore("housey");
  custom.Save();
  Result r = Suggest({"--dict", f.adm, "--custom", adu, "housey", "housy"});
  EXPECT_EQ(r.out.substr(0, 16), "housey: correct\n");
  EXPECT_NE(r.out.find("housy:\n  housey\t1\n  house\t1\n"), std::string::npos) << r.out;
}

TEST(SuggestCommand, CapitalsAreWordsAndThoroughLooksFurther) {
  SpellFixture f;
  Result r = Suggest({"--dict", f.adm, "HOUSE", "CAT", "kouse", "hpuze"});
  EXPECT_EQ(r.out, "HOUSE: correct\nCAT: correct\nkouse:\n  house\t1\n  mouse\t1\nhpuze:\n");
  // m is next to k on the keyboard; two edits away when one finds nothing;
  // the typed word's case.
  r = Suggest({"--dict", f.adm, "--thorough", "kouse", "hpuze", "KOUSE"});
  EXPECT_EQ(r.out,
            "kouse:\n  mouse\t1\n  house\t1\n"
            "hpuze:\n  house\t2\n"
            "KOUSE:\n  MOUSE\t1\n  HOUSE\t1\n");
}

TEST(SuggestCommand, Errors) {
  SpellFixture f;
  EXPECT_EQ(Suggest({"--dict", f.adm}).code, kExitUsage);
  EXPECT_EQ(Suggest({"--dict", f.adm, "--max", "x", "a"}).code, kExitUsage);
  EXPECT_EQ(Suggest({"--dict", f.adm, "--bogus", "a"}).code, kExitUsage);
  Result r = Suggest({"--dict", f.dir.File("missing.adm"), "word"});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("no main dictionary"), std::string::npos);
}

}  // namespace
}  // namespace tq::cli

namespace tq::cli {
namespace {

Result Check(std::vector<std::string> args) {
  return tq::testing::CapturedRun(
      [&](FILE* out, FILE* err) { return RunCheckCommand(Env::Default(), args, out, err); });
}

TEST(CheckCommand, ReportsEachStopWithWhereAndWhy) {
  SpellFixture f;
  const std::string file = f.dir.File("text.txt");
  ASSERT_TRUE(
      platform::WriteWholeFile(Env::Default(), file, "the cat\r\nsat on teh mat\nthe the hosue caf\xC3\xA9").ok());
  Result r = Check({"--dict", f.adm, "--repeated", file});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out, file + ":2:8: misspelt 'teh': the\n" + file + ":3:1: repeated 'the the': the\n" + file +
                       ":3:9: misspelt 'hosue': house, hose\n");
  // Option flags replace the defaults (which include repeated words).
  r = Check({"--dict", f.adm, "--numbers", file});
  EXPECT_EQ(r.out.find("repeated"), std::string::npos);
  EXPECT_NE(Check({"--dict", f.adm, file}).out.find("repeated"), std::string::npos);

  r = Check({"--dict", f.adm, "--json", "--numbers", file});
  EXPECT_EQ(r.code, kExitFindings);
  json::Value doc;
  std::string error;
  ASSERT_TRUE(json::Parse(r.out, &doc, &error)) << error << r.out;
  const json::Value* errors = doc.Find("errors");
  ASSERT_NE(errors, nullptr);
  ASSERT_EQ(errors->array.size(), 2u);
  EXPECT_EQ(errors->array[1].Find("word")->string, "hosue");
  EXPECT_EQ(errors->array[1].Find("line")->number, 3);
  EXPECT_EQ(errors->array[1].Find("suggestions")->array.size(), 2u);
  EXPECT_EQ(doc.Find("words")->number, 10);

  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, "the cat sat on the mat").ok());
  r = Check({"--dict", f.adm, file});
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(Check({"--dict", f.adm, f.dir.File("absent.txt")}).code, kExitFailure);
  EXPECT_EQ(Check({"--dict", f.adm}).code, kExitUsage);
}

// Lines and columns are those of the text as corrected so far: a silent
// correction of another length moves what follows it.
TEST(CheckCommand, PlacesAfterASilentCorrection) {
  SpellFixture f;
  const std::string adu = f.dir.File("fix.adu");
  spell::TCustomDictionary custom;
  custom.WriteFilename(adu);
  custom.AddAutoCorrect("tehx", "the");
  custom.AddAutoCorrect("kat", "the cat\nthe");
  custom.Save();
  const std::string file = f.dir.File("text.txt");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, "tehx mat hosue\nkat mat\nthe hosue").ok());
  Result r = Check({"--dict", f.adm, "--custom", adu, file});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out, file + ":1:9: misspelt 'hosue': house, hose\n" + file + ":4:5: misspelt 'hosue': house, hose\n");
}

TEST(CheckCommand, KnownMisspellingsWithTheAmericanDictionary) {
  if (!Env::Default().FileExists(TQ_AMERICAN_ADM)) GTEST_SKIP() << "American.adm was not built";
  const std::string file = std::string(TQ_SPELL_DATA) + "/misspelt.txt";
  Result r = Check({"--dict", TQ_AMERICAN_ADM, "--json", file});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  json::Value doc;
  std::string error;
  ASSERT_TRUE(json::Parse(r.out, &doc, &error)) << error;
  struct Expected {
    const char* word;
    int line, column;
    const char* verdict;
    const char* first;
  } expected[] = {{"mesage", 3, 20, "misspelt", "message"},
                  {"recieved", 3, 36, "misspelt", "received"},
                  {"tomorow", 4, 12, "misspelt", "tomorrow"},
                  {"the the", 5, 33, "repeated", "the"}};
  const auto& errors = doc.Find("errors")->array;
  ASSERT_EQ(errors.size(), std::size(expected)) << r.out;
  for (size_t i = 0; i < errors.size(); ++i) {
    EXPECT_EQ(errors[i].Find("word")->string, expected[i].word);
    EXPECT_EQ(errors[i].Find("line")->number, expected[i].line);
    EXPECT_EQ(errors[i].Find("column")->number, expected[i].column);
    EXPECT_EQ(errors[i].Find("verdict")->string, expected[i].verdict);
    ASSERT_FALSE(errors[i].Find("suggestions")->array.empty());
    EXPECT_EQ(errors[i].Find("suggestions")->array[0].string, expected[i].first);
  }
}

// A new configuration file without --dict starts with the default
// dictionary, and later runs with it work; a bare --custom name is a file
// of the current folder.
TEST(CheckCommand, ConfigurationAndCustomDefaults) {
  if (!Env::Default().FileExists(TQ_AMERICAN_ADM)) GTEST_SKIP() << "American.adm was not built";
  tq::testing::TempDir dir;
  const std::string file = dir.File("text.txt"), config = dir.File("Spell.cfg");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, "the cat sat on teh mat\n").ok());
  for (int run = 0; run < 2; ++run) {
    Result r = Check({"--config", config, file});
    EXPECT_EQ(r.code, kExitFindings) << "run " << run << " " << r.err;
    EXPECT_EQ(r.out, file + ":1:16: misspelt 'teh': the, tech, eh, tea, tee\n") << "run " << run;
  }
  const std::filesystem::path was = std::filesystem::current_path();
  // Absolute before the folder changes ("/..." names a drive's root on Windows).
  const std::string dict = std::filesystem::absolute(TQ_AMERICAN_ADM).string();
  std::filesystem::current_path(dir.path());
  Result r = Check({"--dict", dict, "--custom", "bare.adu", "text.txt"});
  std::filesystem::current_path(was);
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_TRUE(Env::Default().FileExists(dir.File("bare.adu")));
}

TEST(CheckCommand, InteractiveRunWritesTheFileOnlyWhenComplete) {
  SpellFixture f;
  const std::string file = f.dir.File("text.txt");
  const std::string original = "teh cat hosue on the mat zzq";
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, original).ok());
  auto interactive = [&](const std::string& keys) {
    FILE* in = tq::testing::TempStream();
    std::fputs(keys.c_str(), in);
    std::rewind(in);
    Result r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
      SpellSettings settings;
      settings.mainDictionaries = {f.adm};
      auto engine = OpenSpellEngine(Env::Default(), settings, err);
      return RunInteractiveCheck(Env::Default(), *engine, file, ReadCheckedText(original), in, out, err);
    });
    std::fclose(in);
    return r;
  };
  // 1: the first suggestion; c: typed; u: undo it; then change again, ignore.
  Result r = interactive("1\nc\nhorse\nu\n1\ni\n");
  EXPECT_EQ(r.code, kExitOk) << r.out << r.err;
  std::string now;
  ASSERT_TRUE(platform::ReadWholeFile(Env::Default(), file, &now).ok());
  EXPECT_EQ(now, "the cat house on the mat zzq");
  // Cancelled (or the input ends): the file stays as it was.
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, original).ok());
  r = interactive("1\nq\n");
  EXPECT_EQ(r.code, kExitFindings);
  ASSERT_TRUE(platform::ReadWholeFile(Env::Default(), file, &now).ok());
  EXPECT_EQ(now, original);
  r = interactive("1\n");
  ASSERT_TRUE(platform::ReadWholeFile(Env::Default(), file, &now).ok());
  EXPECT_EQ(now, original);
}

// A UTF-8 file keeps being UTF-8, its byte-order mark included; a word of
// characters the engine cannot hold is left as it is; marks and columns
// count characters.
TEST(CheckCommand, Utf8FilesStayUtf8) {
  SpellFixture f;
  const std::string file = f.dir.File("text.txt");
  const std::string line =
      "caf\xC3\xA9 \xE2\x86\x92 teh \xC5\x81\xC3\xB3"
      "d\xC5\xBA";
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, "\xEF\xBB\xBF" + line + "\n").ok());
  FILE* in = tq::testing::TempStream();
  std::fputs("1\n", in);
  std::rewind(in);
  Result r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
    std::string bytes;
    platform::ReadWholeFile(Env::Default(), file, &bytes);
    SpellSettings settings;
    settings.mainDictionaries = {f.adm};
    auto engine = OpenSpellEngine(Env::Default(), settings, err);
    return RunInteractiveCheck(Env::Default(), *engine, file, ReadCheckedText(bytes), in, out, err);
  });
  std::fclose(in);
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.out.find("\n" + line + "\n       ^^^\n'teh':  1) the"), std::string::npos) << r.out;
  std::string now;
  ASSERT_TRUE(platform::ReadWholeFile(Env::Default(), file, &now).ok());
  EXPECT_EQ(now,
            "\xEF\xBB\xBF"
            "caf\xC3\xA9 \xE2\x86\x92 the \xC5\x81\xC3\xB3"
            "d\xC5\xBA\n");

  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, "teh\n" + line + "\n").ok());
  r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
    return RunCheckCommand(Env::Default(), {"--dict", f.adm, file}, out, err);
  });
  EXPECT_EQ(r.out, file + ":1:1: misspelt 'teh': the\n" + file + ":2:8: misspelt 'teh': the\n");
}

// Quoted lines are judged each on its own first character.
TEST(CheckCommand, QuotedIsJudgedPerLine) {
  SpellFixture f;
  const std::string file = f.dir.File("mail.txt");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, "> teh quoted\nthe cat sat on teh mat\n> zzq\n").ok());
  Result r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
    return RunCheckCommand(Env::Default(), {"--dict", f.adm, "--quoted", file}, out, err);
  });
  EXPECT_EQ(r.code, kExitFindings);
  EXPECT_EQ(r.out, file + ":2:16: misspelt 'teh': the\n");
}

}  // namespace
}  // namespace tq::cli

namespace tq::cli {
namespace {

Result Pipe(std::vector<std::string> args, const std::string& input) {
  FILE* in = tq::testing::TempStream();
  std::fputs(input.c_str(), in);
  std::rewind(in);
  Result r = tq::testing::CapturedRun(
      [&](FILE* out, FILE* err) { return RunPipeCommand(Env::Default(), args, in, out, err); });
  std::fclose(in);
  return r;
}

TEST(PipeCommand, SpeaksTheIspellProtocol) {
  SpellFixture f;
  const std::string adu = f.dir.File("mine.adu");
  Result r = Pipe({"--dict", f.adm, "--custom", adu},
                  "the hosue zzqx\n"
                  "^*the\n"  // a line that starts like a command, escaped
                  "!\n"
                  "cat teh\n"
                  "%\n"
                  "@zzqx\n"
                  "*blorp\n"
                  "#\n"
                  "zzqx blorp caf\xC3\xA9\n");
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n"
            "*\n& hosue 2 4: house, hose\n# zzqx 10\n\n"
            "*\n\n"
            "& teh 1 4: the\n\n"
            "*\n*\n*\n\n");
  // '#' saved the word added with '*'.
  spell::TCustomDictionary saved;
  saved.WriteFilename(adu);
  EXPECT_TRUE(saved.IgnoreExists("blorp"));
  EXPECT_EQ(Pipe({"--dict", f.adm, "stray"}, "").code, kExitUsage);
}

// Offsets count characters, and the '^' that escapes a line; a word with a
// character the engine cannot hold is skipped, the rest of the line checked.
TEST(PipeCommand, OffsetsCountCharacters) {
  SpellFixture f;
  Result r = Pipe({"--dict", f.adm},
                  "na\xC3\xAFve caf\xC3\xA9 \xE2\x86\x92 teh\n"
                  "^teh cat\n"
                  "\xC5\x81\xC3\xB3"
                  "d\xC5\xBA teh\n");
  EXPECT_EQ(r.out,
            "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n"
            "# na\xC3\xAFve 0\n*\n& teh 1 13: the\n\n"
            "& teh 1 1: the\n*\n\n"
            "& teh 1 5: the\n\n");
}

// What an editor driving an ispell program sends (Emacs's ispell and
// flyspell): the probe, then a session started with ispell's options, in
// terse mode, with markup switches, '^' lines, a word added and saved to a
// personal dictionary that is created only then, and list mode.
TEST(PipeCommand, AnEditorsIspellTranscript) {
  SpellFixture f;
  const std::string personal = f.dir.File("personal.adu");
  Result r = Pipe({"-vv"}, "");
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n");

  const std::vector<std::string> start = {"-a", "-m", "-B", "-d", f.adm, "-p", personal, "--encoding=utf-8"};
  r = Pipe(start,
           "!\n"
           "+\n"
           "-\n"
           "~tex\n"
           "^teh cat\n"
           "^hosue mat\n"
           "^zzqx caf\xC3\xA9\n"
           "*zzqx\n"
           "^zzqx\n");
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_FALSE(Env::Default().FileExists(personal));  // nothing saved, nothing made

  r = Pipe(start,
           "!\n"
           "^teh cat\n"
           "^hosue mat\n"
           "^zzqx caf\xC3\xA9\n"
           "*zzqx\n"
           "#\n"
           "^zzqx\n"
           "%\n"
           "^cat\n"
           "@blorp\n"
           "^blorp\n");
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n"
            "& teh 1 1: the\n\n"
            "& hosue 2 1: house, hose\n\n"
            "# zzqx 1\n\n"
            "\n"
            "*\n\n"
            "*\n\n");
  spell::TCustomDictionary saved;
  saved.WriteFilename(personal);
  EXPECT_TRUE(saved.IgnoreExists("zzqx"));
  EXPECT_FALSE(saved.IgnoreExists("blorp"));

  // The next session starts with the personal dictionary.
  r = Pipe(start, "zzqx teh\n");
  EXPECT_EQ(r.out.substr(r.out.find('\n') + 1), "*\n& teh 1 5: the\n\n");

  r = Pipe({"-l", "-d", f.adm}, "teh cat\nhosue caf\xC3\xA9 zzqx\n");
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, "teh\nhosue\nzzqx\n");

  r = Pipe({"-a", "-i", "windows-1252", "-d", f.adm}, "^caf\xE9 tehs\n");
  EXPECT_EQ(r.out.substr(r.out.find('\n') + 1), "*\n# tehs 6\n\n");

  r = Pipe({"-a", "-X"}, "");
  EXPECT_EQ(r.code, kExitUsage);
  EXPECT_EQ(r.err, "quillet: unknown option -X\nTry 'quillet pipe --help'.\n");
  r = Pipe({"-a", "-d", "klingon"}, "");
  EXPECT_EQ(r.code, kExitUsage);
  EXPECT_EQ(r.err,
            "quillet: no dictionary for the language 'klingon' (give a language such as en_US, or a path)\n"
            "Try 'quillet pipe --help'.\n");
}

// The answers to a line do not depend on how its bytes come in: ASCII lines
// go through as they are, other lines through the table of characters, and
// Windows-1252 input as it is. A varied text: letter case, apostrophes (the
// typographic one too), possessives, numbers, addresses.
TEST(PipeCommand, AnswersAreTheSameWhateverTheEncodingPath) {
  tq::testing::TempDir dir;
  const std::string adm = dir.File("Varied.adm");
  spell::testsupport::WriteMainDictionary(
      adm, {"the", "cat", "house", "it's", "John", "it", "see", "and", "or", "o'clock", "McDonald", "Paris", "teh's"},
      1033);
  const std::vector<std::string> lines = {
      "The cat's HOUSE, the Cat and tHe CAT.",
      "It's John's; IT'S JOHN'S house's 'quoted' o'clock O'CLOCK O'clock",
      "3.14 12th 1e5 -7 +2.5e-3 1,000 4x4 teh",
      "see http://www.example.com/teh and www.hosue.com or teh@example.com",
      "McDonald MCDONALD mcdonald Mcdonald Paris paris PARIS",
      "zzqx hosue  trailing' ''cat'' cat's's",
      "it\xE2\x80\x99s John\xE2\x80\x99s cat\xE2\x80\x99s teh\xE2\x80\x99s IT\xE2\x80\x99S zzqx\xE2\x80\x99s",
  };
  auto join = [&](const std::string& suffix) {
    std::string text;
    for (const std::string& l : lines) text += l + suffix + "\n";
    return text;
  };
  auto answers = [](const Result& r) { return r.out.substr(r.out.find('\n') + 1); };
  const std::string utf8 = answers(Pipe({"-a", "-d", adm}, join("")));
  EXPECT_EQ(utf8,
            "*\n*\n*\n*\n*\n*\n& tHe 1 29: the\n*\n\n"
            "*\n*\n*\n*\n*\n# quoted 34\n*\n*\n*\n\n"
            "*\n# 12th 5\n*\n*\n*\n*\n*\n*\n# 4x4 31\n& teh 1 35: the\n\n"
            "*\n*\n*\n*\n\n"
            "*\n# MCDONALD 9\n# mcdonald 18\n& Mcdonald 1 27: McDonald\n*\n& paris 1 42: Paris\n*\n\n"
            "# zzqx 0\n& hosue 1 5: house\n# trailing 12\n*\n# cat's's 30\n\n"
            "*\n*\n*\n*\n*\n# zzqx\xE2\x80\x99s 29\n\n")
      << utf8;
  // The same lines through the table of characters: a character beyond
  // ASCII at the end of each adds its own answer and moves nothing else.
  std::string expected;
  for (size_t at = 0, end; (end = utf8.find("\n\n", at)) != std::string::npos; at = end + 2)
    expected += utf8.substr(at, end + 1 - at) + "*\n\n";
  EXPECT_EQ(answers(Pipe({"-a", "-d", adm}, join(" \xC3\xA9"))), expected);
  // Windows-1252 input, with 0x92 for the typographic apostrophe.
  std::string cp1252 = join(""), cp1252Answers = utf8;
  for (std::string* s : {&cp1252, &cp1252Answers})
    for (size_t at; (at = s->find("\xE2\x80\x99")) != std::string::npos;) s->replace(at, 3, "\x92");
  EXPECT_EQ(answers(Pipe({"-a", "-i", "windows-1252", "-d", adm}, cp1252)), cp1252Answers);
  // List mode names the same words.
  std::string listed;
  for (size_t at = 0, end; (end = utf8.find('\n', at)) != std::string::npos; at = end + 1)
    if (utf8[at] == '#' || utf8[at] == '&') {
      const size_t word = at + 2;
      listed += utf8.substr(word, utf8.find(' ', word) - word) + "\n";
    }
  EXPECT_EQ(Pipe({"-l", "-d", adm}, join("")).out, listed);
}

#if !defined(_WIN32)
// An editor writes a line and waits for its answers before it writes the
// next: each answer must arrive while the rest of the input is still to
// come, and lines written together are answered together.
TEST(PipeCommand, AnswersEachLineBeforeTheNextArrives) {
  SpellFixture f;
  int toPipe[2], fromPipe[2];
  ASSERT_EQ(pipe(toPipe), 0);
  ASSERT_EQ(pipe(fromPipe), 0);
  FILE* in = fdopen(toPipe[0], "r");
  FILE* out = fdopen(fromPipe[1], "w");
  FILE* err = tq::testing::TempStream();
  std::thread session([&] {
    RunPipeCommand(Env::Default(), {"--dict", f.adm}, in, out, err);
    std::fclose(out);
  });
  std::string received;
  // What has arrived by the time `answers` answers blank lines (or 10 s).
  auto receive = [&](int answers) {
    received.clear();
    for (int blank = 0; blank < answers;) {
      pollfd p{fromPipe[0], POLLIN, 0};
      if (poll(&p, 1, 10000) != 1) break;
      char c;
      if (read(fromPipe[0], &c, 1) != 1) break;
      received += c;
      blank += received.size() >= 2 && received.compare(received.size() - 2, 2, "\n\n") == 0;
    }
    return received;
  };
  auto send = [&](const std::string& lines) {
    ASSERT_EQ(write(toPipe[1], lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
  };
  EXPECT_EQ(receive(0), "");
  send("teh cat\n");
  EXPECT_EQ(receive(1), "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n& teh 1 0: the\n*\n\n");
  send("^hosue\n");
  EXPECT_EQ(receive(1), "& hosue 2 1: house, hose\n\n");
  send("zzqx\nthe mat\n");
  EXPECT_EQ(receive(2), "# zzqx 0\n\n*\n*\n\n");
  close(toPipe[1]);
  session.join();
  std::fclose(in);
  close(fromPipe[0]);
  std::fclose(err);
}
#endif

// A word the user excluded is misspelt to every command as it is to the
// program's own check, though the main dictionary holds it.
TEST(SpellVerdict, ExcludedWordsAreMisspeltToEveryCommand) {
  SpellFixture f;
  const std::string adu = f.dir.File("mine.adu");
  spell::TCustomDictionary custom;
  custom.WriteFilename(adu);
  custom.AddExclude("mat");
  custom.Save();
  const std::string file = f.dir.File("text.txt");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file, "the cat sat on the mat\n").ok());
  Result r = Check({"--dict", f.adm, "--custom", adu, file});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out, file + ":1:20: excluded 'mat': cat, sat\n");
  r = Pipe({"--dict", f.adm, "--custom", adu}, "the mat\n");
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n"
            "*\n& mat 2 4: cat, sat\n\n");
  r = Pipe({"--dict", f.adm, "--custom", adu, "-l"}, "the mat cat\n");
  EXPECT_EQ(r.out, "mat\n");
  r = Suggest({"--dict", f.adm, "--custom", adu, "mat", "cat"});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out, "mat:\n  cat\t1\n  sat\t1\ncat: correct\n");
}

// The pipe's words are judged at their place in the line: a quoted line is
// left alone.
TEST(PipeCommand, QuotedLinesAreLeftAlone) {
  SpellFixture f;
  Result r = Pipe({"--dict", f.adm, "--quoted"}, "> teh cat\nteh cat\n");
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out,
            "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n"
            "*\n*\n\n& teh 1 0: the\n*\n\n");
}

TEST(TextCommands, PhoneticAndCut) {
  Result r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
    return RunPhoneticCommand({"knight", "night", "nite"}, out, err);
  });
  EXPECT_EQ(r.code, kExitOk) << r.err;
  // Words that sound alike share their code after the first two letters.
  std::vector<std::string> codes;
  for (size_t at = 0, nl; (nl = r.out.find('\n', at)) != std::string::npos; at = nl + 1)
    codes.push_back(r.out.substr(r.out.find('\t', at) + 1, nl - r.out.find('\t', at) - 1));
  ASSERT_EQ(codes.size(), 3u) << r.out;
  EXPECT_EQ(r.out.substr(0, 7), "knight\t");
  EXPECT_EQ(codes[1].substr(2), codes[2].substr(2)) << r.out;
  r = tq::testing::CapturedRun([&](FILE* out, FILE* err) { return RunPhoneticCommand({"--lang", "x"}, out, err); });
  EXPECT_EQ(r.code, kExitUsage);

  SpellFixture f;
  const std::string file = f.dir.File("text.txt");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), file,
                                       "caf\xC3\xA9 \xE2\x86\x92 teh\n> quoted line\nsee www.example.com now\n")
                  .ok());
  r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
    return RunCutCommand(Env::Default(), {"--dict", f.adm, "--quoted", "--internet", file}, out, err);
  });
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "1:1\tcaf\xC3\xA9\n1:8\tteh\n3:1\tsee\n3:21\tnow\n");
}

}  // namespace
}  // namespace tq::cli
