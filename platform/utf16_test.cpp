#include "platform/utf16.h"

#include <gtest/gtest.h>

namespace tq::platform {
namespace {

TEST(Utf16, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  std::u16string wide = Cp1252ToUtf16(all);
  ASSERT_EQ(wide.size(), all.size());
  EXPECT_EQ(wide[0x80 - 1], u'\u20AC');  // the euro sign sits at 0x80
  EXPECT_EQ(wide[0xE9 - 1], u'\u00E9');
  EXPECT_EQ(Utf16ToCp1252(wide), all);
}

TEST(Utf16, ReplacesWhatCannotBeHeld) {
  EXPECT_EQ(Utf16ToCp1252(u"Caf\u00E9 \u0416 \u2014"), "Caf\xE9 ? \x97");
  EXPECT_EQ(Utf16ToCp1252(u"x\U0001F600y"), "x?y");  // a surrogate pair is one character
  std::u16string lone = u"a";
  lone += static_cast<char16_t>(0xD800);
  lone += u'b';
  EXPECT_EQ(Utf16ToCp1252(lone, '_'), "a_b");
}

}  // namespace
}  // namespace tq::platform
