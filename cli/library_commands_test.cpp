#include "cli/library_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "cli/command.h"
#include "library/reply_library.h"
#include "platform/fault_env.h"
#include "platform/memory_env.h"
#include "storage/binary_data_set.h"
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
  r = Quillet("show", {lib, "1", "--html"});
  EXPECT_EQ(r.out, "<div>caf\xC3\xA9</div>\n");
  r = Quillet("show", {lib, "0", "--html"});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet show: reply 0 is plain text: it has no HTML\n");
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
  EXPECT_EQ(r.out, "packed " + lib + ": 2 replies kept, 1 deleted slot removed, 12764 -> 8580 bytes\n");
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

TEST_F(LibraryCommandsTest, TextBeyondWindows1252TravelsByteForByte) {
  const std::string text = "Grüße — Привет — Ελληνικά — 日本語 — 👍";
  const std::string multiline = text + "\r\n\t{\\} \xC2\x81 e\xCC\x81\n";
  Result r = Quillet("add", {lib, "--category", "Привет", "--description", "日本語 👍", "--text", text});
  ASSERT_EQ(r.code, kExitOk) << r.err;
  ASSERT_EQ(Quillet("add", {lib, "--category", "Ελληνικά", "--description", "Grüße", "--text", multiline}).code,
            kExitOk);
  ASSERT_EQ(Quillet("add", {lib, "--description", "rich", "--text", "{\\rtf1 \\b Привет\\b0}"}).code, kExitOk);
  EXPECT_EQ(Quillet("show", {lib, "0", "--text"}).out, text);
  EXPECT_EQ(Quillet("show", {lib, "1", "--text"}).out, multiline);
  // A rich reply keeps its RTF, the characters as escapes RTF readers know.
  EXPECT_EQ(Quillet("show", {lib, "2", "--text"}).out,
            "{\\rtf1 \\b \\u1055?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090?\\b0}");
  r = Quillet("show", {lib, "0"});
  EXPECT_EQ(r.out,
            "index: 0\nrecord: 1\ncategory: Привет\ndescription: 日本語 👍\nhotkey: none\nformatted: no\n"
            "response (35 characters):\n" +
                text + "\n");
  // The file holds Windows-1252 stand-ins where an older version looks.
  const std::string bytes = Contents(lib);
  EXPECT_NE(bytes.find(std::string("Privet\0", 7)), std::string::npos);
  EXPECT_NE(bytes.find(std::string("??? ?\0", 6)), std::string::npos);
  EXPECT_EQ(Quillet("verify", {lib}).out, lib + ": ok\n");

  // Changing one field keeps the others exactly.
  ASSERT_EQ(Quillet("edit", {lib, "0", "--category", "Sales"}).code, kExitOk);
  EXPECT_EQ(Quillet("show", {lib, "0", "--text"}).out, text);
  ASSERT_EQ(Quillet("edit", {lib, "0", "--category", "Привет"}).code, kExitOk);

  for (const std::string format : {"json", "csv"}) {
    const std::string out = dir.File("u." + format), copy = dir.File("u-" + format + ".qdk");
    ASSERT_EQ(Quillet("export", {lib, "--output", out}).code, kExitOk);
    EXPECT_NE(Contents(out).find(format == "csv" ? "Привет" : "\"category\": \"Привет\""), std::string::npos);
    ASSERT_EQ(Quillet("import", {copy, out}).code, kExitOk);
    // The same library, byte for byte, and the same texts out again.
    EXPECT_EQ(Contents(copy), Contents(lib)) << format;
    EXPECT_EQ(Quillet("export", {copy, "--format", format}).out, Contents(out)) << format;
    EXPECT_EQ(Quillet("show", {copy, "1", "--text"}).out, multiline) << format;
  }
}

TEST_F(LibraryCommandsTest, TheProgramReadsWhatQuilletWrote) {
  const std::string text = "Grüße — Привет — Ελληνικά — 日本語 — 👍";
  ASSERT_EQ(Quillet("add", {lib, "--category", "Ελληνικά", "--description", "日本語", "--text", text}).code, kExitOk);
  ASSERT_EQ(Quillet("add", {lib, "--category", "Café", "--description", "plain", "--text", "naïve"}).code, kExitOk);
  storage::TBinaryDataSet table;
  library::OpenReplyTable(table, lib);
  const std::vector<library::ReplyRecord> replies = library::ReadReplies(table);
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].Category, "Ελληνικά");
  EXPECT_EQ(replies[0].Description, "日本語");
  EXPECT_EQ(replies[0].Response, text);
  EXPECT_FALSE(library::IsFormattedResponse(replies[0].Response));
  EXPECT_EQ(replies[1].Category, "Café");
  EXPECT_EQ(replies[1].Response, "naïve");
}

TEST_F(LibraryCommandsTest, VerifyReportsDamagedMarks) {
  // An older version changed the stand-in name: the marks no longer agree.
  ASSERT_EQ(Quillet("add", {lib, "--category", "Привет", "--description", "d", "--text", "x"}).code, kExitOk);
  std::string bytes = Contents(lib);
  const size_t at = bytes.find("Privet");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 6, "Prived");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), lib, bytes));
  Result r = Quillet("verify", {lib});
  EXPECT_EQ(r.code, kExitFindings);
  EXPECT_EQ(r.out, lib +
                       ": problem: The reply in slot 0 (record number 1) has marker groups ({\\*\\tq...) in its "
                       "Response that this program would not write so; it reads as ordinary rich text.\n");
  // It reads as the rich text it is, with the name as stored.
  EXPECT_EQ(Quillet("show", {lib, "0", "--text"}).out,
            "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090?}"
            "\\ansi\\ansicpg1252\\uc1 x}");
}

TEST_F(LibraryCommandsTest, ImportRefusesWhatTheLibraryCannotHold) {
  const std::string input = dir.File("in.json");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), input,
                                       "{\"replies\": [{\"description\": \"snow \xE2\x98\x83\"},"
                                       " {\"description\": \"zero \\u0000\", \"category\": \"" +
                                           std::string(40, 'c') + "\"}]}"));
  const std::string fresh = dir.File("fresh.qdk");
  Result r = Quillet("import", {fresh, input});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet import: " + input + ": reply 2: category: 40 characters, at most 32 fit\n" +
                       "quillet import: " + input +
                       ": reply 2: description: holds a zero character, which the library cannot store\n");
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
  EXPECT_NE(r.err.find("\n  (a change that was interrupted leaves this; 'quillet pack " + lib + "' repairs it)\n"),
            std::string::npos)
      << r.err;
  // The stray byte is an incomplete slot; a pack drops it.
  r = Quillet("pack", {lib});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "packed " + lib + ": 1 reply kept, 0 deleted slots removed, 4397 -> 4396 bytes\n");
  EXPECT_EQ(Quillet("verify", {lib}).code, kExitOk);
}

TEST_F(LibraryCommandsTest, VerifyReportsRepliesThatShareAHotKey) {
  for (const auto& [description, hotkey] : std::vector<std::pair<std::string, std::string>>{{"First", "Ctrl+Alt+R"},
                                                                                            {"Bare", "F5"},
                                                                                            {"Second", "Ctrl+Alt+R"},
                                                                                            {"Third\x1b", "Ctrl+F5"},
                                                                                            {"Own", "Shift+F5"}})
    ASSERT_EQ(Quillet("add", {lib, "--description", description, "--hotkey", hotkey}).code, kExitOk);
  Result r = Quillet("verify", {lib});
  EXPECT_EQ(r.code, kExitFindings);
  EXPECT_EQ(r.out, lib +
                       ": problem: reply 2 (Second) has the hotkey Ctrl+Alt+R, which reply 0 (First) has already: "
                       "the program gives it to reply 0 only\n" +
                       lib +
                       ": problem: reply 3 (Third\\x1B) has the hotkey Ctrl+F5, which reply 1 (Bare) has "
                       "already: the program gives it to reply 1 only\n");
  ASSERT_EQ(Quillet("edit", {lib, "2", "--hotkey", "Ctrl+Alt+S"}).code, kExitOk);
  ASSERT_EQ(Quillet("edit", {lib, "3", "--hotkey", ""}).code, kExitOk);
  EXPECT_EQ(Quillet("verify", {lib}).out, lib + ": ok\n");
}

// Many processes' worth of writers at once (each command opens the file
// itself): every reply reported added is there, and the file stays sound.
TEST_F(LibraryCommandsTest, ConcurrentWritersLoseNothing) {
  constexpr int kAdders = 8, kAdds = 25, kDeleters = 2, kDeletes = 10;
  std::atomic<int> addFailures{0}, deleted{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kAdders; ++t)
    threads.emplace_back([&, t] {
      for (int k = 0; k < kAdds; ++k) {
        Result r = Quillet("add", {lib, "--description", "t" + std::to_string(t) + "-" + std::to_string(k)});
        if (r.code != kExitOk) ++addFailures;
      }
    });
  for (int t = 0; t < kDeleters; ++t)
    threads.emplace_back([&] {
      for (int k = 0; k < kDeletes; ++k)
        if (Quillet("delete", {lib, "0"}).code == kExitOk) ++deleted;
    });
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(addFailures, 0);
  Result r = Quillet("verify", {lib});
  EXPECT_EQ(r.code, kExitOk) << r.out;
  r = Quillet("list", {lib, "--json"});
  const auto listed = std::count(r.out.begin(), r.out.end(), '\n') - 2;
  EXPECT_EQ(listed, kAdders * kAdds - deleted);
}

TEST_F(LibraryCommandsTest, PackRefusedWhileTheLibraryIsOpenElsewhere) {
  Quillet("add", {lib, "--description", "x"});
  const std::string before = Contents(lib);
  storage::TBinaryDataSet holder;
  holder.SetTableName(lib);
  holder.SetReadOnly(true);
  holder.Open();
  Result r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
    return RunLibraryCommand(Env::Default(), "pack", {lib}, out, err, std::chrono::milliseconds(0));
  });
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet pack: " + lib + ": Cannot open file " + lib + ": the file is in use by another process\n");
  EXPECT_TRUE(Contents(lib) == before);
  holder.Close();
  EXPECT_EQ(Quillet("pack", {lib}).code, kExitOk);
}

// Opening for writing is denied (no write permission, a read-only share):
// the commands that read work, those that change the library say why they
// cannot and leave it as it was.
TEST_F(LibraryCommandsTest, AReadOnlyLibraryIsReadAndNotChanged) {
  Quillet("add", {lib, "--category", "Work", "--description", "Thanks", "--text", "Thank you!"});
  const std::string before = Contents(lib);
  platform::FaultEnv denied(Env::Default());
  denied.DenyWriteAccess(true);
  auto run = [&](const std::string& command, std::vector<std::string> args) {
    return tq::testing::CapturedRun(
        [&](FILE* out, FILE* err) { return RunLibraryCommand(denied, command, args, out, err); });
  };
  EXPECT_EQ(run("show", {lib, "0", "--text"}).out, "Thank you!");
  EXPECT_EQ(run("list", {lib}).code, kExitOk);
  EXPECT_EQ(run("export", {lib, "--format", "csv"}).code, kExitOk);
  const std::string refusal = ": Cannot open file " + lib +
                              ": Access denied\n  (the library cannot be changed here; 'quillet list', 'show' "
                              "and 'export' only read it)\n";
  const std::pair<std::string, std::vector<std::string>> changes[] = {
      {"add", {lib, "--description", "more"}},
      {"edit", {lib, "0", "--description", "changed"}},
      {"delete", {lib, "0"}},
  };
  for (const auto& [command, args] : changes) {
    Result r = run(command, args);
    EXPECT_EQ(r.code, kExitFailure) << command;
    EXPECT_EQ(r.err, "quillet " + command + ": " + lib + refusal) << command;
  }
  EXPECT_EQ(run("pack", {lib}).code, kExitFailure);
  EXPECT_TRUE(Contents(lib) == before);
}

// A table made with other field sizes than the program's: texts are checked
// against the file's own sizes, never cut.
TEST_F(LibraryCommandsTest, TextsAreCheckedAgainstTheLibrarysOwnFieldSizes) {
  const std::string small = dir.File("small.qdk");
  {
    storage::TBinaryDataSet t;
    t.SetTableName(small);
    t.FieldDefs() = {{"Category", storage::ftString, 8},
                     {"Description", storage::ftString, 32},
                     {"Response", storage::ftString, 100},
                     {"HotKey", storage::ftInteger, 0}};
    t.CreateTable();
  }
  const std::string before = Contents(small);
  Result r = Quillet("add", {small, "--category", "123456789", "--text", std::string(101, 'r')});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err,
            "quillet add: category: 9 characters, at most 8 fit\n"
            "quillet add: response: 101 characters, at most 100 fit\n");
  EXPECT_TRUE(Contents(small) == before);
  ASSERT_TRUE(
      platform::WriteWholeFile(Env::Default(), dir.File("in.json"), "{\"replies\": [{\"category\": \"123456789\"}]}"));
  r = Quillet("import", {small, dir.File("in.json")});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet import: " + dir.File("in.json") + ": reply 1: category: 9 characters, at most 8 fit\n");
  EXPECT_TRUE(Contents(small) == before);

  r = Quillet("add", {small, "--category", "12345678", "--text", std::string(100, 'r')});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  r = Quillet("show", {small, "0", "--json"});
  EXPECT_NE(r.out.find("\"category\": \"12345678\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"response\": \"" + std::string(100, 'r') + "\""), std::string::npos);
}

TEST_F(LibraryCommandsTest, SuccessAndFailureAreReportedAsTheyAre) {
  // A sound table that is not a reply library packs, and says so.
  const std::string other = dir.File("other.qdk");
  {
    storage::TBinaryDataSet t;
    t.SetTableName(other);
    t.FieldDefs() = {{"Name", storage::ftString, 10}};
    t.CreateTable();
  }
  Result r = Quillet("pack", {other});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "packed " + other + ": 0 replies kept, 0 deleted slots removed, 89 -> 89 bytes\n");

#ifndef _WIN32
  // Output that cannot be written is a failure.
  Quillet("add", {lib, "--description", "x"});
  for (const std::string command : {"list", "show"}) {
    FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::vector<std::string> args = {lib};
    if (command == "show") args.push_back("0");
    Result failed = tq::testing::CapturedRun(
        [&](FILE*, FILE* err) { return RunLibraryCommand(Env::Default(), command, args, full, err); });
    std::fclose(full);
    EXPECT_EQ(failed.code, kExitFailure) << command;
    EXPECT_EQ(failed.err, "quillet " + command + ": cannot write the output\n");
  }
#endif

  // A password-protected table is refused, not shown empty nor written plain.
  std::string bytes = Contents(lib);
  bytes.replace(8, 16, std::string(16, 'k'));
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), lib, bytes));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"list", lib}, std::vector<std::string>{"add", lib, "--description", "y"}}) {
    r = Quillet(args[0], {args.begin() + 1, args.end()});
    EXPECT_EQ(r.code, kExitFailure);
    EXPECT_EQ(r.err, "quillet " + args[0] + ": " + lib +
                         ": the library is protected by a password; quillet cannot read or change its encoded "
                         "replies\n");
  }
  EXPECT_TRUE(Contents(lib) == bytes);
}

TEST_F(LibraryCommandsTest, ExportNeverOverwritesUnasked) {
  Quillet("add", {lib, "--description", "x"});
  const std::string library = Contents(lib);
  const std::string out = dir.File("out.json");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), out, "keep"));
  Result r = Quillet("export", {lib, "--output", out});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_EQ(r.err, "quillet export: " + out + " exists; give --force to replace it\n");
  EXPECT_EQ(Contents(out), "keep");
  for (const std::vector<std::string>& extra : {std::vector<std::string>{}, std::vector<std::string>{"--force"}}) {
    std::vector<std::string> args = {lib, "--output", lib};
    args.insert(args.end(), extra.begin(), extra.end());
    r = Quillet("export", args);
    EXPECT_EQ(r.code, kExitFailure);
    EXPECT_EQ(r.err, "quillet export: " + lib + " is the library itself; give another --output\n");
  }
  EXPECT_TRUE(Contents(lib) == library);
  r = Quillet("export", {lib, "--output", out, "--force"});
  EXPECT_EQ(r.code, kExitOk);
  EXPECT_EQ(r.out, "exported 1 reply to " + out + "\n");
  EXPECT_NE(Contents(out), "keep");
}

// The files the commands touch are the Env's: a library and an output that
// exist only in memory are still found, and neither is overwritten.
TEST(LibraryCommandsEnv, ExportAsksTheEnvWhetherItsOutputExists) {
  platform::MemoryEnv env;
  ASSERT_TRUE(env.CreateDirectories("/mem"));
  auto run = [&](const std::string& command, std::vector<std::string> args) {
    return tq::testing::CapturedRun(
        [&](FILE* out, FILE* err) { return RunLibraryCommand(env, command, args, out, err); });
  };
  const std::string lib = "/mem/replies.qdk", out = "/mem/out.json";
  ASSERT_EQ(run("create", {lib}).code, kExitOk);
  ASSERT_EQ(run("add", {lib, "--description", "x"}).code, kExitOk);
  ASSERT_TRUE(platform::WriteWholeFile(env, out, "keep"));
  std::string library;
  ASSERT_TRUE(platform::ReadWholeFile(env, lib, &library));

  EXPECT_EQ(run("export", {lib, "--output", out}).err,
            "quillet export: " + out + " exists; give --force to replace it\n");
  EXPECT_EQ(run("export", {lib, "--output", lib, "--force"}).err,
            "quillet export: " + lib + " is the library itself; give another --output\n");
  std::string after;
  ASSERT_TRUE(platform::ReadWholeFile(env, out, &after));
  EXPECT_EQ(after, "keep");
  ASSERT_TRUE(platform::ReadWholeFile(env, lib, &after));
  EXPECT_TRUE(after == library);
  EXPECT_EQ(run("export", {lib, "--output", out, "--force"}).code, kExitOk);
}

TEST_F(LibraryCommandsTest, SmallerFaults) {
  // JSON with a byte-order mark reads as CSV with one does; one reply is "1 reply".
  const std::string input = dir.File("bom.json");
  ASSERT_TRUE(platform::WriteWholeFile(Env::Default(), input, "\xEF\xBB\xBF{\"replies\": [{\"description\": \"d\"}]}"));
  Result r = Quillet("import", {lib, input});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "imported 1 reply into " + lib + "\n");

  r = Quillet("show", {lib, "0", "--json", "--text"});
  EXPECT_EQ(r.code, kExitUsage);
  EXPECT_EQ(r.err, "quillet show: give --json or --text, not both\nTry 'quillet show --help'.\n");

  // Control characters from a library never reach the terminal raw.
  ASSERT_EQ(Quillet("add", {lib, "--category", "\x1B[2J", "--description", "a\\b\x07"}).code, kExitOk);
  r = Quillet("list", {lib});
  EXPECT_NE(r.out.find("1      \\x1B[2J   a\\\\b\\x07"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find('\x1B'), std::string::npos);

  // "--text-file -" reads standard input.
  FILE* in = tq::testing::TempStream();
  std::fputs("from stdin", in);
  std::rewind(in);
  r = tq::testing::CapturedRun([&](FILE* out, FILE* err) {
    return RunLibraryCommand(Env::Default(), "add", {lib, "--text-file", "-"}, out, err, kLibraryBusyWait, in);
  });
  std::fclose(in);
  EXPECT_EQ(r.out, "added reply 2\n") << r.err;
  EXPECT_EQ(Quillet("show", {lib, "2", "--text"}).out, "from stdin");
}

}  // namespace
}  // namespace tq::cli
