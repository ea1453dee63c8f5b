#include "cli/library_check_command.h"

#include <gtest/gtest.h>

#include "cli/command.h"
#include "cli/json.h"
#include "library/reply_library.h"
#include "spell/engine/dictionary_test_support.h"
#include "storage/reply_layout.h"
#include "tests/support/captured_run.h"
#include "tests/support/temp_dir.h"

namespace tq::cli {
namespace {

using platform::Env;
using Result = tq::testing::RunResult;

struct LibraryFixture {
  tq::testing::TempDir dir;
  std::string adm = dir.File("Small.adm");
  std::string library = dir.File("replies.qdk");

  LibraryFixture() {
    spell::testsupport::WriteMainDictionary(
        adm, {"thank", "you", "for", "your", "order", "kind", "regards", "the", "parcel", "is", "on", "its", "way",
              "hello", "dear", "customer", "caf\xE9"});
    storage::TBinaryDataSet table;
    library::CreateReplyTable(table, library);
    library::OpenReplyTable(table, library);
    Add(table, "Orders", "Thanks", "Thank you for yuor order.");
    Add(table, "Orders", "Clean", "Kind regards");
    // Rich text: the formatting words are not words of the reply.
    Add(table, "Orders", "Sent \xE9t\xE9",
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Dear customer,\\par the {\\b parcell} is on its way "
        "way.\\par caf\\'e9 ok\\par}");
  }
  static void Add(storage::TBinaryDataSet& table, const char* category, const char* description, const char* text) {
    table.Append();
    table.FieldByName(storage::kCategoryField).SetAsString(category);
    table.FieldByName(storage::kDescriptionField).SetAsString(description);
    table.FieldByName(storage::kResponseField).SetAsString(text);
    table.FieldByName(storage::kHotKeyField).SetAsInteger(0);
    table.Post();
  }
  Result Check(std::vector<std::string> args) {
    return tq::testing::CapturedRun(
        [&](FILE* out, FILE* err) { return RunLibraryCheckCommand(Env::Default(), args, out, err); });
  }
};

TEST(LibraryCheckCommand, WordsBeyondWindows1252AreLeftAlone) {
  LibraryFixture f;
  {
    storage::TBinaryDataSet table;
    library::OpenReplyTable(table, f.library);
    table.Append();
    library::WriteReply(table, {"Заказы", "Привет", "Привет, yuor заказ 👍 is on its way", 0});
    table.Post();
  }
  Result r = f.Check({"--library", f.library, "--dict", f.adm});
  const std::string mine = f.library + "#3 (Привет): ";
  EXPECT_NE(r.out.find(mine + "misspelt 'yuor': your\n"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find(mine), r.out.rfind(mine)) << r.out;  // that word only
}

TEST(LibraryCheckCommand, ReportsEachReplysWords) {
  LibraryFixture f;
  Result r = f.Check({"--library", f.library, "--dict", f.adm});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out, f.library + "#0 (Thanks): misspelt 'yuor': your\n" + f.library +
                       "#2 (Sent \xC3\xA9t\xC3\xA9): misspelt 'parcell': parcel\n" + f.library +
                       "#2 (Sent \xC3\xA9t\xC3\xA9): repeated 'way way': way\n" + f.library +
                       "#2 (Sent \xC3\xA9t\xC3\xA9): misspelt 'ok': on\n");
}

TEST(LibraryCheckCommand, Json) {
  LibraryFixture f;
  Result r = f.Check({"--json", "--library", f.library, "--dict", f.adm});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out,
            "{\"file\": " + json::Quote(f.library) +
                ", \"replies_checked\": 3, \"replies\": [\n"
                "  {\"index\": 0, \"category\": \"Orders\", \"description\": \"Thanks\", \"errors\": "
                "[{\"word\": \"yuor\", \"verdict\": \"misspelt\", \"suggestions\": [\"your\"]}]},\n"
                "  {\"index\": 2, \"category\": \"Orders\", \"description\": \"Sent \xC3\xA9t\xC3\xA9\", "
                "\"errors\": [{\"word\": \"parcell\", \"verdict\": \"misspelt\", \"suggestions\": [\"parcel\"]}, "
                "{\"word\": \"way way\", \"verdict\": \"repeated\", \"suggestions\": [\"way\"]}, "
                "{\"word\": \"ok\", \"verdict\": \"misspelt\", \"suggestions\": [\"on\"]}]}\n"
                "]}\n");
}

TEST(LibraryCheckCommand, JudgesCapitalsAsTheProgramDoes) {
  // The command line accepts words in capitals elsewhere; the program does
  // not, and this report must be the program's.
  LibraryFixture f;
  const std::string caps = f.dir.File("caps.qdk");
  storage::TBinaryDataSet table;
  library::CreateReplyTable(table, caps);
  library::OpenReplyTable(table, caps);
  LibraryFixture::Add(table, "Orders", "Shout", "THANK you");
  table.Close();
  Result r = f.Check({"--library", caps, "--dict", f.adm});
  EXPECT_EQ(r.code, kExitFindings) << r.err;
  EXPECT_EQ(r.out, caps + "#0 (Shout): misspelt 'THANK'\n");
}

TEST(LibraryCheckCommand, CleanLibraryAndErrors) {
  LibraryFixture f;
  const std::string clean = f.dir.File("clean.qdk");
  {
    storage::TBinaryDataSet table;
    library::CreateReplyTable(table, clean);
    library::OpenReplyTable(table, clean);
    LibraryFixture::Add(table, "A", "B", "Thank you");
  }
  Result r = f.Check({"--library", clean, "--dict", f.adm});
  EXPECT_EQ(r.code, kExitOk) << r.err;
  EXPECT_EQ(r.out, "");
  r = f.Check({"--library", f.dir.File("missing.qdk"), "--dict", f.adm});
  EXPECT_EQ(r.code, kExitFailure);
  EXPECT_NE(r.err.find("missing.qdk"), std::string::npos) << r.err;
  EXPECT_EQ(f.Check({"--library"}).code, kExitUsage);
  EXPECT_EQ(f.Check({"--library", f.library, "extra.txt"}).code, kExitUsage);
  EXPECT_TRUE(NamesLibrary({"--json", "--library", "x.qdk"}));
  EXPECT_FALSE(NamesLibrary({"--json", "notes.txt"}));
}

}  // namespace
}  // namespace tq::cli
