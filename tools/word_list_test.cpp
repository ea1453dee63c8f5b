#include "tools/word_list.h"

#include <gtest/gtest.h>

namespace tq::tools {
namespace {

TEST(WordList, ConvertsToWindows1252AndCountsWhatItCannotHold) {
  TWordList list = ReadUtf8WordList("a\r\nb\n\ncaf\xC3\xA9\n\xD0\x96uk\nna\xC3\xAFve\n\xE2\x82\xAC\n\xFF\nlast");
  EXPECT_EQ(list.words, (std::vector<std::string>{"a", "b", "caf\xE9", "na\xEFve", "\x80", "last"}));
  EXPECT_EQ(list.skipped, 2u);
  EXPECT_EQ(list.firstSkipped, "\xD0\x96uk");
}

}  // namespace
}  // namespace tq::tools
