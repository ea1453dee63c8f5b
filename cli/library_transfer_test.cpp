#include "cli/library_transfer.h"

#include <gtest/gtest.h>

namespace tq::cli {
namespace {

const std::vector<ReplyData> kReplies = {
    {"Work", "Thanks", "Thank you,\r\n\"Sam\"", 0x4054 | 0x8000},  // Ctrl+Alt+T
    {"Caf\xC3\xA9", "Euro \xE2\x82\xAC", "{\\rtf1\\ansi x}", 0},
    {"Keys", "digit", "", 0x35},   // a bare digit key: only as a number
    {"Keys", "odd", "", 0x12345},  // not a 16-bit value: kept as a number
    {"Keys", "negative", "", -1},
    {"Keys", "F5", "", 0x74},
};

TEST(LibraryTransferTest, JsonAndCsvReadBackWhatTheyWrite) {
  std::vector<ReplyData> back;
  std::vector<std::string> problems;
  ASSERT_TRUE(RepliesFromJson(RepliesToJson(kReplies), &back, &problems)) << problems[0];
  EXPECT_EQ(back, kReplies);
  ASSERT_TRUE(RepliesFromCsv(RepliesToCsv(kReplies), &back, &problems)) << problems[0];
  EXPECT_EQ(back, kReplies);
  ASSERT_TRUE(RepliesFromJson(RepliesToJson({}), &back, &problems));
  EXPECT_TRUE(back.empty());
}

TEST(LibraryTransferTest, WrittenForms) {
  const std::string csv = RepliesToCsv({kReplies[0], kReplies[2], kReplies[5]});
  EXPECT_EQ(csv,
            "category,description,response,hotkey\r\n"
            "Work,Thanks,\"Thank you,\r\n\"\"Sam\"\"\",Ctrl+Alt+T\r\n"
            "Keys,digit,,53\r\n"
            "Keys,F5,,F5\r\n");
  EXPECT_NE(RepliesToJson({kReplies[0]}).find("\"hotkey\": 49236,\n      \"hotkey_text\": \"Ctrl+Alt+T\""),
            std::string::npos);
}

TEST(LibraryTransferTest, InputsOtherToolsWrite) {
  std::vector<ReplyData> back;
  std::vector<std::string> problems;
  ASSERT_TRUE(RepliesFromJson(R"([{"description": "d", "hotkey": "shift+ctrl+r"}, {"hotkey_text": "Alt+A"}])", &back,
                              &problems));
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].hotkey, 0x6052);
  EXPECT_EQ(back[1].hotkey, 0x8041);
  ASSERT_TRUE(RepliesFromCsv("Description,HOTKEY\nonly,0x4041\n\n", &back, &problems));
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0].description, "only");
  EXPECT_EQ(back[0].hotkey, 0x4041);
}

TEST(LibraryTransferTest, EveryProblemIsReported) {
  std::vector<ReplyData> back;
  std::vector<std::string> problems;
  EXPECT_FALSE(RepliesFromJson(
      R"({"replies": [{"category": 5}, {"colour": "red"}, {"hotkey": 1.5}, {"hotkey": "Ctrl+Nope"}, 7]})", &back,
      &problems));
  ASSERT_EQ(problems.size(), 5u);
  EXPECT_EQ(problems[0], "reply 1: category is not a string");
  EXPECT_EQ(problems[1], "reply 2: has the unknown member 'colour'");
  EXPECT_EQ(problems[2], "reply 3: hotkey 1.5 is not a 32-bit integer");
  EXPECT_EQ(problems[3].rfind("reply 4: Unknown key", 0), 0u) << problems[3];
  EXPECT_EQ(problems[4], "reply 5: is not an object");

  problems.clear();
  EXPECT_FALSE(RepliesFromCsv("category,colour\n", &back, &problems));
  EXPECT_EQ(problems, std::vector<std::string>{"header: the column 'colour' is unknown or repeated"});
  problems.clear();
  EXPECT_FALSE(RepliesFromCsv("category,hotkey\na\nb,Ctrl+\n", &back, &problems));
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0], "reply 1: 1 fields, the header has 2");

  EXPECT_EQ(CheckReply({"\xE2\x98", std::string(33, 'd'), std::string("a\0b", 3), 0}, ReplyFields::All()),
            (std::vector<std::string>{"category: the byte 0xE2, which is not UTF-8",
                                      "description: 33 characters, at most 32 fit",
                                      "response: holds a zero character, which the library cannot store"}));
  // Names count UTF-16 units; the response its stored bytes, escapes and the
  // marks of the names included.
  EXPECT_EQ(CheckReply({std::string(16, 'x') + "👍👍👍👍👍👍👍👍", "Жук", "", 0}, ReplyFields::All()),
            std::vector<std::string>{});
  EXPECT_EQ(CheckReply({std::string(17, 'x') + "👍👍👍👍👍👍👍👍", "d", "", 0}, ReplyFields::All()),
            std::vector<std::string>{"category: 33 characters, at most 32 fit"});
  EXPECT_EQ(CheckReply({"c", "d", std::string(4096, 'r'), 0}, ReplyFields::All()), std::vector<std::string>{});
  EXPECT_EQ(CheckReply({"c", "Жук", std::string(4096, 'r'), 0}, ReplyFields::All()),
            std::vector<std::string>{"response: stored with the escapes of the characters Windows-1252 cannot hold, "
                                     "it takes 4177 bytes, at most 4096 fit"});
  EXPECT_EQ(CheckReply({"c", "d", std::string(4097, 'r'), 0}, ReplyFields::All()),
            std::vector<std::string>{"response: 4097 characters, at most 4096 fit"});
  EXPECT_EQ(CheckReply({"\xFF", "", std::string(4096, 'r'), 0}, ReplyFields::All()),
            std::vector<std::string>{"category: the byte 0xFF, which is not UTF-8"});
}

}  // namespace
}  // namespace tq::cli
