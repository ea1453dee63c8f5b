#include "cli/library_commands.h"

#include <gtest/gtest.h>

#include "cli/command.h"
#include "tests/support/captured_run.h"
#include "tests/support/temp_dir.h"

namespace tq::cli {
namespace {

using platform::Env;

using Result = tq::testing::RunResult;

Result Quillet(const std::string& command, std::vector<std::string> args) {
  return tq::testing::CapturedRun(
      [&](FILE* out, FILE* err) { return RunLibraryCommand(Env::Default(), command, args, out, err); });
}

std::string Contents(const std::string& path) {
  std::string s;
  platform::ReadWholeFile(Env::Default(), path, &s);
  return s;
}

class LibraryCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(Quillet("create", {lib}).code, kExitOk); }
  tq::testing::TempDir dir;
  std::string lib = dir.File("replies.qdk");
};

TEST_F(LibraryCommandsTest, CreateAddListShowEditDeletePack) {
  EXPECT_EQ(Contents(lib).size(), 212u);
  Result r = Quillet("create", {lib});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet create: " + lib + " exists; give --force to replace it with an empty library\n");

  r = Quillet("add",
              {lib, "--category", "Work", "--description", "Thanks", "--text", "Thank you!", "--hotkey", "Ctrl+Alt+T"});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "added reply 0\n");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), dir.File("r.rtf"), "\xEF\xBB\xBF{\\rtf1 caf\xC3\xA9}"));
  r = Quillet("add", {lib, "--category=Home", "--description", "Caf\xC3\xA9", "--text-file", dir.File("r.rtf")});
  EXPECT_EQ(r.out, "added reply 1\n");
  EXPECT_EQ(Quillet("add", {lib, "--description", "third", "--hotkey", "16466"}).out, "added reply 2\n");

  r = Quillet("list", {lib});
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out,
            "INDEX  CATEGORY  DESCRIPTION  HOTKEY      TEXT\n"
            "0      Work      Thanks       Ctrl+Alt+T  plain, 10 characters\n"
            "1      Home      Caf\xC3\xA9                     rich, 12 characters\n"
            "2                third        Ctrl+R      plain, 0 characters\n"
            "3 replies\n");
  r = Quillet("list", {lib, "--json"});
  EXPECT_NE(r.out.find("{\"index\": 1, \"record\": 2, \"category\": \"Home\", \"description\": \"Caf\xC3\xA9\", "
                       "\"hotkey\": 0, \"hotkey_text\": \"\", \"formatted\": true, \"length\": 12}"),
            std::string::npos)
      << r.out;

  r = Quillet("show", {lib, "1", "--text"});
  EXPECT_EQ(r.out, "{\\rtf1 caf\xC3\xA9}");
  r = Quillet("show", {lib, "0"});
  EXPECT_EQ(r.out,
            "index: 0\nrecord: 1\ncategory: Work\ndescription: Thanks\nhotkey: Ctrl+Alt+T (49236)\nformatted: no\n"
            "response (10 characters):\nThank you!\n");

  EXPECT_EQ(Quillet("edit", {lib, "0", "--description", "Thank you", "--hotkey", ""}).out, "changed reply 0\n");
  r = Quillet("show", {lib, "0", "--json"});
  EXPECT_NE(r.out.find("\"description\": \"Thank you\", \"hotkey\": 0"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"category\": \"Work\""), std::string::npos);  // untouched

  EXPECT_EQ(Quillet("delete", {lib, "1"}).out, "deleted reply 1\n");
  EXPECT_EQ(Quillet("show", {lib, "1", "--text"}).out, "");  // "third" moved up to index 1
  EXPECT_NE(Quillet("show", {lib, "1", "--json"}).out.find("\"description\": \"third\""), std::string::npos);
  r = Quillet("pack", {lib});
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, "packed " + lib + ": 2 replies kept, 1 deleted slots removed, 12764 -> 8580 bytes\n");
  EXPECT_EQ(Quillet("verify", {lib}).out, lib + ": ok\n");
}

TEST_F(LibraryCommandsTest, ExportImportRoundTrips) {
  const std::vector<std::vector<std::string>> adds = {
      {"--category", "Work", "--description", "Thanks", "--text", "Thank you,\r\n\"Sam\"\t\xE2\x82\xAC 5", "--hotkey",
       "Shift+Ctrl+F5"},
      {"--category", "Caf\xC3\xA9", "--description", "rich", "--text", "{\\rtf1\\ansi \\b bold\\b0}"},
      {"--description", "odd key", "--hotkey", "0x12345"},
  };
  for (const auto& a : adds) {
    std::vector<std::string> args = {lib};
    args.insert(args.end(), a.begin(), a.end());
    ASSERT_EQ(Quillet("add", args).code, kExitOk);
  }
  Quillet("delete", {lib, "0"});  // a freed slot must not travel
  Quillet("add", {lib, "--description", "reused"});
  for (const std::string format : {"json", "csv"}) {
    const std::string first = dir.File("first." + format), second = dir.File("second." + format);
    const std::string copy = dir.File("copy-" + format + ".qdk");
    Result r = Quillet("export", {lib, "--output", first});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, "exported 3 replies to " + first + "\n");
    r = Quillet("import", {copy, first});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, "imported 3 replies into " + copy + "\n");
    ASSERT_EQ(Quillet("export", {copy, "--output", second}).code, kExitOk);
    EXPECT_EQ(Contents(first), Contents(second)) << format;
    EXPECT_EQ(Quillet("list", {lib}).out, Quillet("list", {copy}).out) << format;
    // Standard output carries the same bytes.
    EXPECT_EQ(Quillet("export", {copy, "--format", format}).out, Contents(first));
  }
  // JSON in, CSV out, and back: the same replies.
  Quillet("import", {dir.File("cross.qdk"), dir.File("first.json")});
  Quillet("export", {dir.File("cross.qdk"), "--output", dir.File("cross.csv")});
  EXPECT_EQ(Contents(dir.File("cross.csv")), Contents(dir.File("first.csv")));
}

TEST_F(LibraryCommandsTest, ImportRefusesWhatTheLibraryCannotHold) {
  const std::string input = dir.File("in.json");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), input,
                                       "{\"replies\": [{\"description\": \"ok\"},"
                                       " {\"description\": \"snow \xE2\x98\x83\", \"category\": \"" +
                                           std::string(40, 'c') + "\"}]}"));
  const std::string fresh = dir.File("fresh.qdk");
  Result r = Quillet("import", {fresh, input});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet import: " + input + ": reply 2: category: 40 characters, at most 32 fit\n" +
                       "quillet import: " + input +
                       ": reply 2: description: '\xE2\x98\x83' (U+2603), which Windows-1252 cannot hold\n");
  EXPECT_FALSE(Env::Default().FileExists(fresh));  // nothing written, not even the file
  r = Quillet("import", {lib, input});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(Contents(lib).size(), 212u);

  r = Quillet("add", {lib, "--description", std::string(33, 'd')});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet add: description: 33 characters, at most 32 fit\n");
  EXPECT_EQ(Contents(lib).size(), 212u);
}

TEST_F(LibraryCommandsTest, UsageAndFailures) {
  struct Case {
    std::string command;
    std::vector<std::string> args;
    int code;
    std::string err;
  } cases[] = {
      {"list", {}, kExitUsage, "quillet list: missing arguments\nTry 'quillet list --help'.\n"},
      {"list", {lib, "--colour"}, kExitUsage, "quillet list: unknown option --colour\nTry 'quillet list --help'.\n"},
      {"show", {lib, "x"}, kExitUsage, "quillet show: 'x' is not a reply index\nTry 'quillet show --help'.\n"},
      {"show", {lib, "0"}, kExitFailure, "quillet show: " + lib + ": there is no reply 0 (the library holds 0)\n"},
      {"add", {lib, "--hotkey", "Ctrl+Nope"}, kExitUsage, ""},
      {"edit",
       {lib, "0"},
       kExitUsage,
       "quillet edit: nothing to change: give --category, --description, --text, --text-file or --hotkey\n"
       "Try 'quillet edit --help'.\n"},
      {"export",
       {lib, "--format", "xml"},
       kExitUsage,
       "quillet export: unknown format 'xml' (json or csv)\nTry 'quillet export --help'.\n"},
      {"list",
       {dir.File("none.qdk")},
       kExitFailure,
       "quillet list: " + dir.File("none.qdk") + ": Table file not found.\n"},
      {"verify", {dir.File("none.qdk")}, kExitFailure, ""},
  };
  for (const Case& c : cases) {
    Result r = Quillet(c.command, c.args);
    EXPECT_EQ(r.code, c.code) << c.command << " " << r.err;
    if (!c.err.empty()) {
      EXPECT_EQ(r.err, c.err) << c.command;
    }
  }
  Result help = Quillet("add", {"--help"});
  EXPECT_EQ(help.code, kExitOk);
  EXPECT_EQ(help.out.rfind("Usage: quillet add FILE.qdk", 0), 0u);
}

TEST_F(LibraryCommandsTest, VerifyReportsDamage) {
  Quillet("add", {lib, "--description", "x"});
  std::string bytes = Contents(lib) + "!";
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), lib, bytes));
  Result r = Quillet("verify", {lib});
  EXPECT_EQ(r.code, kExitFindings);
  EXPECT_EQ(r.out, lib +
                       ": problem: Open: Invalid record size.; StartData   : 212; fRecordCount: 1; "
                       "fRecordSize : 4184; fStream.SIze: 4397\n");
  r = Quillet("list", {lib});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("Open: Invalid record size.; StartData   : 212;"), std::string::npos) << r.err;
  // The stray byte is an incomplete slot; a pack drops it.
  r = Quillet("pack", {lib});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "packed " + lib + ": 1 replies kept, 0 deleted slots removed, 4397 -> 4396 bytes\n");
  EXPECT_EQ(Quillet("verify", {lib}).code, kExitOk);
}

}  // namespace
}  // namespace tq::cli
