#include "app/core/reply_text_fit.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(PlanReplyStorage, ChoosesTheFormThatFitsAndCountsTheExcess) {
  struct Case {
    bool formatted;
    size_t rich, plain;
    ReplyStorePlan expected;
  } cases[] = {
      {true, 4096, 100, {ReplyStoreAction::kStoreRich, 0}},  // exactly full still fits
      {true, 4097, 100, {ReplyStoreAction::kOfferPlain, 1}},
      {true, 9000, 4096, {ReplyStoreAction::kOfferPlain, 4904}},
      {true, 9000, 4100, {ReplyStoreAction::kTooLong, 4}},      // plain text would not help
      {false, 9000, 4096, {ReplyStoreAction::kStorePlain, 0}},  // the rich length does not matter
      {false, 100, 4097, {ReplyStoreAction::kTooLong, 1}},
      {false, 0, 0, {ReplyStoreAction::kStorePlain, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlanReplyStorage(c.formatted, c.rich, c.plain), c.expected)
        << "formatted " << c.formatted << ", rich " << c.rich << ", plain " << c.plain;
  }
}

TEST(ReplyTextFitMessages, NameTheExcess) {
  EXPECT_EQ(OfferPlainQuestion(1),
            "The formatted reply text is 1 character too long to be stored.  Save it as plain text instead?");
  EXPECT_EQ(TooLongMessage(250, false),
            "The reply text is 250 characters too long to be stored.  A reply can hold at most 4096 characters.");
  EXPECT_EQ(TooLongMessage(3, true),
            "The reply text is 3 characters too long to be stored, even without its formatting.  A reply can hold at "
            "most 4096 characters.");
}

}  // namespace
}  // namespace tq::app
