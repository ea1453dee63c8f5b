#include "library/reply_record.h"

#include <gtest/gtest.h>

namespace tq::library {
namespace {

TEST(ReplyRecordTest, FormattedWhenTheRtfMarkerIsAnywhereInAnyCase) {
  const std::pair<const char*, bool> cases[] = {
      {"{\\rtf1\\ansi\\deff0 Hello}", true},
      {"Dear customer, {\\RTF1 in the middle", true},
      {"x{\\Rtf1", true},
      {"", false},
      {"Plain thanks", false},
      {"{\\rtf", false},    // no version digit
      {"{ \\rtf1", false},  // a blank between
      {"{\\rtf2", false},
      {"\\rtf1 without brace", false},
  };
  for (auto [text, formatted] : cases) EXPECT_EQ(IsFormattedResponse(text), formatted) << text;
}

}  // namespace
}  // namespace tq::library
