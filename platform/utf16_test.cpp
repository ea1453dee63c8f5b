#include "platform/utf16.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(Utf16, Utf8RoundTripsEveryPlane) {
  const std::string text = "Gr\u00FC\u00DFe \u2014 \u041F\u0440\u0438 \u65E5\u672C \U0001F44D.";
  const std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide, u"Gr\u00FC\u00DFe \u2014 \u041F\u0440\u0438 \u65E5\u672C \U0001F44D.");
  EXPECT_EQ(wide[wide.size() - 3], 0xD83D);  // the thumb is a surrogate pair
  EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(Utf16, MalformedInputBecomesReplacementCharacters) {
  const struct {
    std::string utf8;
    std::u16string wide;
  } cases[] = {
      {"a\xFF"
       "b",
       u"a\uFFFDb"},                                      // not a lead byte
      {"a\xC3", u"a\uFFFD"},                              // cut short at the end
      {"\xC3(", u"\uFFFD("},                              // a lead byte without its continuation
      {"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToUtf16(c.utf8), c.wide) << c.utf8;
  std::u16string lone = u"x";
  lone += static_cast<char16_t>(0xDC00);
  EXPECT_EQ(Utf16ToUtf8(lone), "x\xEF\xBF\xBD");
}

TEST(Utf16, OffsetsBetweenTheTwoForms) {
  const std::string text = "a\u00E9\U0001F44Db";  // bytes 0,1-2,3-6,7; units 0,1,2-3,4
  const struct { size_t utf16, utf8; } cases[] = {{0, 0}, {1, 1}, {2, 3}, {4, 7}, {5, 8}, {9, 8}};
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8OffsetOf(text, c.utf16), c.utf8) << c.utf16;
    EXPECT_EQ(Utf16OffsetOf(text, c.utf8), std::min<size_t>(c.utf16, 5)) << c.utf8;
  }
  EXPECT_EQ(Utf8OffsetOf(text, 3), 3u);   // inside the pair: its start
  EXPECT_EQ(Utf16OffsetOf(text, 5), 2u);  // inside the thumb's bytes: its start
}

}  // namespace
}  // namespace tq::platform
