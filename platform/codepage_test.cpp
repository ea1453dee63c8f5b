#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace tq::platform {
namespace {

TEST(Codepage, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  std::string back;
  ASSERT_TRUE(Utf8ToCp1252(Cp1252ToUtf8(all), &back));
  EXPECT_EQ(back, all);
}

TEST(Codepage, KnownCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("caf\xE9 \x80 \x93x\x94"), "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D");
  std::string out;
  ASSERT_TRUE(Utf8ToCp1252("na\xC3\xAFve \xE2\x80\x94", &out));
  EXPECT_EQ(out, "na\xEFve \x97");
}

TEST(Codepage, ReportsWhatCannotBeHeld) {
  struct Row {
    const char* utf8;
    const char* bad;
  } rows[] = {
      {"ok \xD0\x96 x", "\xD0\x96"},            // Cyrillic Zhe
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},  // emoji
      {"a\xC3", "\xC3"},                         // cut short
      {"\xC0\xAF", "\xC0"},                      // overlong
      {"\xFF", "\xFF"},                          // not UTF-8 at all
  };
  for (const Row& r : rows) {
    std::string out, bad;
    EXPECT_FALSE(Utf8ToCp1252(r.utf8, &out, &bad)) << r.utf8;
    EXPECT_EQ(bad, r.bad);
  }
}

}  // namespace
}  // namespace tq::platform
