#include "app/core/library_spell_check.h"

#include <gtest/gtest.h>

#include "app/core/reply_record.h"

namespace tq::app {
namespace {

TEST(LibrarySpellCheck, WhatACorrectedReplyIsStoredAs) {
  const std::string rtf = "{\\rtf1 Dear {\\b Sir}}", plain = "Dear Sir";
  EXPECT_EQ(CorrectedResponse(true, rtf, plain), rtf);
  EXPECT_EQ(CorrectedResponse(false, rtf, plain), plain);
  // Too long as rich text: not stored, rather than silently made plain.
  const std::string longRtf(kResponseSize + 1, 'x');
  EXPECT_EQ(CorrectedResponse(true, longRtf, plain), std::nullopt);
  EXPECT_EQ(CorrectedResponse(false, rtf, std::string(kResponseSize, 'x')), std::string(kResponseSize, 'x'));
  EXPECT_EQ(CorrectedResponse(false, rtf, std::string(kResponseSize + 1, 'x')), std::nullopt);
}

TEST(LibrarySpellCheck, Messages) {
  EXPECT_EQ(LibraryCheckSummary(false, 3, 0), "The spelling check of all replies is complete.\r\n\r\nReplies changed: 3");
  EXPECT_EQ(LibraryCheckSummary(true, 1, 2),
            "The spelling check was cancelled; the corrections made before are kept.\r\n\r\nReplies changed: 1\r\n"
            "Replies left as they were because the corrected text is too long: 2");
  EXPECT_EQ(LibraryCheckCaption("Greeting", 0, 50), "Spelling: Greeting (1 of 50)");
}

}  // namespace
}  // namespace tq::app
