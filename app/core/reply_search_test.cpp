#include "app/core/reply_search.h"

#include <gtest/gtest.h>

#include "library/hotkey_value.h"

namespace tq::app {
namespace {

std::vector<library::ReplyRecord> Library() {
  return {
      {"Sales", "Thanks for ordering", "Thank you for your order.", 0},                               // 0
      {"Support", "Order status", "Your order shipped today.", 0},                                    // 1
      {"Billing", "Refund", R"({\rtf1 We \b refunded\b0  your order.\par})", 0},                      // 2
      {"Sales", "Apology", "Sorry for the delay with your ORDER.\r\nSecond line", 0},                 // 3
      {"support", "Greeting", "Hello,\r\nthanks for writing.", int32_t(library::kHotKeyCtrl | 'G')},  // 4
      {"Shipping", "Tracking number", "Here is your tracking number.", 0},                            // 5
  };
}

class ReplySearchTest : public ::testing::Test {
 protected:
  ReplySearchTest() : records_(Library()) {
    const HotKeyRegistrar quiet{[](int, unsigned, unsigned) { return true; }, [](const std::string&) {}};
    search_ = ReplySearch(BuildReplyTree(records_, false, quiet), records_);
  }
  std::vector<int> Indexes(std::string_view query) {
    std::vector<int> out;
    for (size_t p : search_.Find(query)) out.push_back(search_.entry(p).index);
    return out;
  }
  std::vector<library::ReplyRecord> records_;
  ReplySearch search_;
};

TEST_F(ReplySearchTest, RanksByWhereTheWordsAreFoundTiesInTreeOrder) {
  // Tree order: Billing(2), Sales(3 Apology, 0 Thanks...), Shipping(5), Support(4 Greeting, 1 Order status).
  struct Case {
    const char* query;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"", {2, 3, 0, 5, 4, 1}},
      {"   ", {2, 3, 0, 5, 4, 1}},
      // "order" starts reply 1's description, is inside reply 0's, and only
      // in the text of 2 and 3 (any case, rich text read as text).
      {"order", {1, 0, 2, 3}},
      {"ORDER", {1, 0, 2, 3}},
      // Category "support" (two spellings merged in the tree) ranks before text.
      {"support", {4, 1}},
      {"sales thanks", {0}},
      {"thanks sales", {0}},
      {"sales your", {3, 0}},
      {"track num", {5}},
      {"refunded", {2}},
      {"second line", {3}},
      {"thanks nothing", {}},
      {"xyz", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Indexes(c.query), c.expected) << '"' << c.query << '"';
}

TEST_F(ReplySearchTest, TypingOnAndBackGivesTheSameAsAFreshSearch) {
  // Narrowing reuses the last matches; widening must not.
  const char* steps[] = {"o", "or", "ord", "order", "order s", "order", "or", "", "t", "th", "the", "x", "the"};
  for (const char* q : steps) {
    ReplySearch fresh(BuildReplyTree(records_, false, {[](int, unsigned, unsigned) { return true; }, {}}), records_);
    std::vector<int> expected;
    for (size_t p : fresh.Find(q)) expected.push_back(fresh.entry(p).index);
    EXPECT_EQ(Indexes(q), expected) << q;
  }
}

TEST_F(ReplySearchTest, EntriesShowTheFirstLineAndTheHotkey) {
  const std::vector<size_t> found = search_.Find("greeting");
  ASSERT_EQ(found.size(), 1u);
  const SearchEntry& e = search_.entry(found[0]);
  EXPECT_EQ(e.category, "support");
  EXPECT_EQ(e.description, "Greeting");
  EXPECT_EQ(e.firstLine, "Hello,");
  EXPECT_EQ(e.hotKeyText, "Ctrl+G");
  EXPECT_EQ(search_.entry(search_.Find("refund")[0]).firstLine, "We refunded your order.");
  EXPECT_EQ(search_.entry(search_.Find("refund")[0]).hotKeyText, "");
}

TEST(ReplySearchUnicode, WordsMatchIgnoringCaseInEveryScriptTheTableKnows) {
  const std::vector<library::ReplyRecord> records = {
      {"Приветствия", "Доброе утро", "Здравствуйте, ЖЕНЯ!", 0},          // 0
      {"Ελληνικά", "Καλημέρα", "ΟΔΟΣ Αθηνάς", 0},                        // 1
      {"Polski", "Łódź", R"({\rtf1 \u346?WIAT \u-10179?\u-9139?})", 0},  // 2: rich, escapes read
      {"Deutsch", "Grüße", "STRASSE", 0},                                // 3
  };
  const HotKeyRegistrar quiet{[](int, unsigned, unsigned) { return true; }, [](const std::string&) {}};
  ReplySearch search(BuildReplyTree(records, false, quiet), records);
  auto indexes = [&](std::string_view query) {
    std::vector<int> out;
    for (size_t p : search.Find(query)) out.push_back(search.entry(p).index);
    return out;
  };
  struct Case {
    const char* query;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"доброе", {0}},   {"ПРИВЕТ", {0}}, {"женя", {0}},    // Cyrillic, in each field
      {"καλημέρα", {1}}, {"οδος", {1}},   {"ΑΘΗΝΆΣ", {1}},  // final sigma folds
      {"ŁÓDŹ", {2}},     {"świat", {2}},  {"👍", {2}},       // Latin Extended-A, RTF \u
      {"GRÜSSE", {}},    {"grüße", {3}},  {"straße", {}},   // no ß = ss folding
  };
  for (const Case& c : cases) EXPECT_EQ(indexes(c.query), c.expected) << c.query;
  EXPECT_EQ(search.entry(search.Find("świat")[0]).firstLine, "ŚWIAT 👍");
}

}  // namespace
}  // namespace tq::app
