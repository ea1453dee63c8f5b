#include "cli/dict_commands.h"

#include <gtest/gtest.h>

#include "cli/command.h"
#include "tests/support/captured_run.h"
#include "tests/support/temp_dir.h"

namespace tq::cli {
namespace {

using platform::Env;

using Result = tq::testing::RunResult;

Result Dict(std::vector<std::string> args) {
  return tq::testing::CapturedRun([&](FILE* out, FILE* err) { return RunDictCommand(Env::Default(), args, out, err); });
}

TEST(DictCommands, CompileInfoLookupPrefix) {
  tq::testing::TempDir dir;
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), dir.File("words.txt"),
                                       "apple\napples\napricot\ncaf\xC3\xA9\n\xD0\x96uk\n"));
  const std::string adm = dir.File("test.adm");
  Result r = Dict({"compile", "--title", "Test \xC3\xA9", "--language", "1036", dir.File("words.txt"), adm});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  EXPECT_NE(r.out.find("4 words from 5 lines"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("skipped 1"), std::string::npos) << r.out;

  r = Dict({"info", adm});
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_NE(r.out.find("title: Test \xC3\xA9\nlanguage: 1036\nwords: 4\n"), std::string::npos) << r.out;

  r = Dict({"lookup", adm, "apple", "caf\xC3\xA9", "appl"});
  EXPECT_EQ(r.code, kExitFindings);
  EXPECT_EQ(r.out, "apple\tfound\ncaf\xC3\xA9\tfound\nappl\tnot found\n");
  EXPECT_EQ(Dict({"lookup", adm, "apples"}).code, kExitOk);
  r = Dict({"lookup", adm, "\xD0\x96uk", "apples"});  // Cyrillic: passed over
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, "\xD0\x96uk\tskipped\napples\tfound\n");

  r = Dict({"prefix", adm, "ap"});
  EXPECT_EQ(r.out, "apple\napples\napricot\n");
}

TEST(DictCommands, CustomDictionaries) {
  tq::testing::TempDir dir;
  const std::string adu = dir.File("user.adu");
  EXPECT_EQ(Dict({"add", adu, "colour", "na\xC3\xAFve"}).code, kExitOk);
  EXPECT_EQ(Dict({"add", adu, "--exclude", "thier"}).code, kExitOk);
  EXPECT_EQ(Dict({"add", adu, "--autocorrect", "the", "teh", "hte"}).code, kExitOk);
  Result r = Dict({"add", adu, "\xF0\x9F\x98\x80x", "d\xCC\x81"});  // emoji, combining mark
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, "\xF0\x9F\x98\x80x\tskipped\nd\xCC\x81\tskipped\n");
  r = Dict({"add", adu, "colour"});
  EXPECT_EQ(r.code, kExitFindings);
  EXPECT_EQ(r.out, "colour\trefused\n");

  r = Dict({"words", adu});
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out,
            "added\tcolour\nadded\tna\xC3\xAFve\nexcluded\tthier\nauto-correct\thte\tthe\nauto-correct\tteh\tthe\n");
  r = Dict({"lookup", adu, "teh", "thier", "colour", "none"});
  EXPECT_EQ(r.out, "teh\tauto-correct\tthe\nthier\texcluded\ncolour\tadded\nnone\tnot found\n");
  EXPECT_EQ(Dict({"remove", adu, "thier", "teh", "absent"}).code, kExitFindings);
  r = Dict({"info", adu});
  EXPECT_NE(r.out.find("added: 2\nexcluded: 0\nauto-correct: 1\n"), std::string::npos) << r.out;
}

TEST(DictCommands, Refusals) {
  tq::testing::TempDir dir;
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), dir.File("text.txt"), "not a dictionary"));
  EXPECT_EQ(Dict({}).code, kExitUsage);
  EXPECT_EQ(Dict({"bogus"}).code, kExitUsage);
  EXPECT_EQ(Dict({"info", dir.File("text.txt")}).code, kExitFailure);
  EXPECT_EQ(Dict({"info", dir.File("missing.adu")}).code, kExitFailure);
  EXPECT_EQ(Dict({"words", dir.File("text.txt")}).code, kExitFailure);
  EXPECT_EQ(Dict({"add", dir.File("text.txt"), "x"}).code, kExitFailure);
  EXPECT_EQ(Dict({"lookup", dir.File("missing.adm"), "x"}).code, kExitFailure);
  EXPECT_EQ(Dict({"compile", dir.File("missing.txt"), dir.File("x.adm")}).code, kExitFailure);
  EXPECT_EQ(Dict({"compile", "--language", "english", dir.File("text.txt"), dir.File("x.adm")}).code, kExitUsage);
  EXPECT_EQ(Dict({"--help"}).code, kExitOk);
}

}  // namespace
}  // namespace tq::cli
