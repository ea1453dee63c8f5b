#include "cli/spell_commands.h"

#include <gtest/gtest.h>

#include "cli/command.h"
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

TEST(SuggestCommand, Errors) {
  SpellFixture f;
  EXPECT_EQ(Suggest({"--dict", f.adm}).code, kExitUsage);
  EXPECT_EQ(Suggest({"--dict", f.adm, "--max", "x", "a"}).code, kExitUsage);
  EXPECT_EQ(Suggest({"--dict", f.adm, "--bogus", "a"}).code, kExitUsage);
  EXPECT_EQ(Suggest({"--dict", f.adm, "\xE2\x82\xAC\xE4\xB8\x80"}).code, kExitUsage);  // no Windows-1252 form
  Result r = Suggest({"--dict", f.dir.File("missing.adm"), "word"});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("no main dictionary"), std::string::npos);
}

}  // namespace
}  // namespace tq::cli
