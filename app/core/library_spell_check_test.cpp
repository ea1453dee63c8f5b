#include "app/core/library_spell_check.h"

#include <gtest/gtest.h>

#include "library/reply_record.h"

namespace tq::app {
namespace {

TEST(LibrarySpellCheck, WhatACorrectedReplyIsStoredAs) {
  const std::string rtf = "{\\rtf1 Dear {\\b Sir}}", plain = "Dear Sir";
  const library::ReplyRecord rich{"Letters", "Sir", "{\\rtf1 Deer Sir}", 0},
      unformatted{"Letters", "Sir", "Deer Sir", 0};
  EXPECT_EQ(CorrectedResponse(rich, rtf, plain), rtf);
  EXPECT_EQ(CorrectedResponse(unformatted, rtf, plain), plain);
  // Too long as rich text: not stored, rather than silently made plain.
  const std::string longRtf(library::kResponseSize + 1, 'x');
  EXPECT_EQ(CorrectedResponse(rich, longRtf, plain), std::nullopt);
  EXPECT_EQ(CorrectedResponse(unformatted, rtf, std::string(library::kResponseSize, 'x')),
            std::string(library::kResponseSize, 'x'));
  EXPECT_EQ(CorrectedResponse(unformatted, rtf, std::string(library::kResponseSize + 1, 'x')), std::nullopt);
  // The limit is on the stored form: 1000 CJK characters are 3000 bytes of
  // UTF-8 but far more stored as escapes.
  std::string cjk;
  for (int i = 0; i < 1000; ++i) cjk += "\xE6\x96\x87";
  EXPECT_EQ(CorrectedResponse(unformatted, rtf, cjk), std::nullopt);
  EXPECT_EQ(CorrectedResponse(unformatted, rtf, cjk.substr(0, 300)), cjk.substr(0, 300));
}

TEST(LibrarySpellCheck, Messages) {
  EXPECT_EQ(LibraryCheckSummary(false, 3, 0),
            "The spelling check of all replies is complete.\r\n\r\nReplies changed: 3");
  EXPECT_EQ(LibraryCheckSummary(true, 1, 2),
            "The spelling check was cancelled; the corrections made before are kept.\r\n\r\nReplies changed: 1\r\n"
            "Replies left as they were because the corrected text is too long: 2");
  EXPECT_EQ(LibraryCheckCaption("Greeting", 0, 50), "Spelling: Greeting (1 of 50)");
}

}  // namespace
}  // namespace tq::app
