#include "storage/reply_text_codec.h"

#include <gtest/gtest.h>

#include "storage/reply_layout.h"

namespace tq::storage {

void PrintTo(const ReplyTexts& t, std::ostream* os) {
  *os << "{\"" << t.category << "\", \"" << t.description << "\", \"" << t.response << "\"}";
}

namespace {

TEST(ReplyTextCodec, Windows1252TextIsStoredAsItIs) {
  // UTF-8 in, the Windows-1252 bytes of today's files out, and back.
  struct Case {
    ReplyTexts utf8;
    ReplyTexts stored;
  };
  const Case cases[] = {
      {{"Grüße", "Café", "naïve café — 5 €\r\nbye"},
       {"Gr\xfc\xdf"
        "e",
        "Caf\xe9", "na\xefve caf\xe9 \x97 5 \x80\r\nbye"}},
      {{"", "", ""}, {"", "", ""}},
      // A rich reply, and the five bytes Windows-1252 leaves undefined.
      {{"A", "B", "{\\rtf1 caf\\'e9 \xc5\x93}"}, {"A", "B", "{\\rtf1 caf\\'e9 \x9c}"}},
      {{"\xc2\x81\xc2\x8d", "\xc2\x8f\xc2\x90", "\xc2\x9d"}, {"\x81\x8d", "\x8f\x90", "\x9d"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeReplyTexts(c.utf8), c.stored) << c.utf8.response;
    StoredReplyForm form = StoredReplyForm::kMarked;
    EXPECT_EQ(DecodeReplyTexts(c.stored, &form), c.utf8) << c.utf8.response;
    EXPECT_EQ(form, StoredReplyForm::kWindows1252);
  }
}

TEST(ReplyTextCodec, OtherTextIsMarkedRtfWithStandInNames) {
  struct Case {
    ReplyTexts utf8;
    ReplyTexts stored;
  };
  const Case cases[] = {
      // Cyrillic everywhere: transliterated names, the exact ones in marks.
      {{"Привет", "Щука", "Да\r\nнет"},
       {"Privet", "Shchuka",
        "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090?}"
        "{\\*\\tqdescription \\u1065?\\u1091?\\u1082?\\u1072?}\\ansi\\ansicpg1252\\uc1 "
        "\\u1044?\\u1072?\\par \\u1085?\\u1077?\\u1090?}"}},
      // Names Windows-1252 holds get no mark; RTF's own characters are escaped.
      {{"Café", "Tab", "日本 {a\\b}\tc\rd\ne"},
       {"Caf\xe9", "Tab",
        "{\\rtf1{\\*\\tqplain}\\ansi\\ansicpg1252\\uc1 \\u26085?\\u26412? \\{a\\\\b\\}\\tab c\\u13?d\\u10?e}"}},
      // An emoji is two escapes, the second negative; 1252 characters are \'xx.
      {{"Ελληνικά", "👍 é", "é👍"},
       {"Ellinika", "? \xe9",
        "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u917?\\u955?\\u955?\\u951?\\u957?\\u953?\\u954?\\u940?}"
        "{\\*\\tqdescription \\u-10179?\\u-9139? \\'e9}\\ansi\\ansicpg1252\\uc1 \\'e9\\u-10179?\\u-9139?}"}},
      // A combining mark is dropped from the stand-in; Latin letters lose marks.
      {{"e\xcc\x81t\xc4\x9b", "Łódź", ""},
       {"ete",
        "L\xf3"
        "dz",
        "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory e\\u769?t\\u283?}{\\*\\tqdescription \\u321?\\'f3d\\u378?}"
        "\\ansi\\ansicpg1252\\uc1 }"}},
      // A rich reply keeps its RTF; only what 1252 cannot hold is escaped,
      // in a group of its own where \ucN is not 1.
      {{"Sales", "Ωmega", "{\\rtf1 \\b Ω\\b0 {\\uc0 Ж}}"},
       {"Sales", "Omega", "{\\rtf1 {\\*\\tqdescription \\u937?mega}\\b \\u937?\\b0 {\\uc0 {\\uc1\\u1046?}}}"}},
      {{"A", "B", "x {\\RTF1 ✓}"}, {"A", "B", "x {\\RTF1 \\u10003?}"}},
  };
  for (const Case& c : cases) {
    const ReplyTexts stored = EncodeReplyTexts(c.utf8);
    EXPECT_EQ(stored, c.stored) << c.utf8.response;
    EXPECT_EQ(StoredResponseSize(c.utf8), c.stored.response.size());
    const ReplyTexts back = DecodeReplyTexts(stored);
    EXPECT_EQ(back.category, c.utf8.category);
    EXPECT_EQ(back.description, c.utf8.description);
    // A rich reply comes back as its RTF with the escapes; a plain one exactly.
    if (!IsFormattedReply(c.utf8.response)) {
      EXPECT_EQ(back.response, c.utf8.response);
    }
    EXPECT_EQ(EncodeReplyTexts(back), stored);
  }
}

TEST(ReplyTextCodec, StandInsAreCutBetweenCharacters) {
  EXPECT_EQ(NameStandIn("ЩЩЩЩЩЩЩЩЩ", 32), "ShchShchShchShchShchShchShchShch");  // 8 of 9 fit
  EXPECT_EQ(NameStandIn("abЩ", 4), "ab");
  EXPECT_EQ(NameStandIn("\xcc\x81", 32), "?");  // never empty
  EXPECT_EQ(NameStandIn("日本語", 2), "??");
  EXPECT_EQ(Utf16Length("a👍é"), 4u);
  // A name of 32 units whose stand-in is longer stays whole in its mark.
  const std::string name = "ЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩЩ";
  const ReplyTexts stored = EncodeReplyTexts({name, "d", "t"});
  EXPECT_EQ(stored.category.size(), 32u);
  EXPECT_EQ(DecodeReplyTexts(stored).category, name);
}

TEST(ReplyTextCodec, TheStoredSizeCountsEscapesAndMarks) {
  // 4096 bytes is the field; a plain reply of 4000 ASCII characters fits
  // alone but not beside one Cyrillic letter in the description.
  const std::string text(4000, 'a');
  EXPECT_EQ(StoredResponseSize({"c", "d", text}), 4000u);
  EXPECT_GT(StoredResponseSize({"c", "Ж", text}), 4000u);
  EXPECT_EQ(StoredResponseSize({"c", "d", std::string(700, 'a') + "Ж"}),
            std::string("{\\rtf1{\\*\\tqplain}\\ansi\\ansicpg1252\\uc1 }").size() + 700 + 7);
  EXPECT_GT(StoredResponseSize({"c", "d", std::string(1100, '\x01') + "Ж"}), 4096u);  // 4 bytes each
}

TEST(ReplyTextCodec, DamagedMarksAreReadAsOrdinaryRtf) {
  const std::string good = "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?}\\ansi\\ansicpg1252\\uc1 \\u1044?}";
  ASSERT_EQ(DecodeReplyTexts({"P", "d", good}).category, "П");
  const char* damaged[] = {
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055}\\ansi\\ansicpg1252\\uc1 \\u1044?}",  // no fallback
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u99999?}\\ansi\\ansicpg1252\\uc1 x}",       // out of range
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?",                                    // cut short
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?}\\ansi\\ansicpg1252\\uc1 \\u1044?",  // no end
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?}\\ansi\\ansicpg1252\\uc1 \\u1044?}x",
      "{\\rtf1{\\*\\tqplain}{\\*\\tqunknown}\\ansi\\ansicpg1252\\uc1 \\u1044?}",
      "{\\rtf1{\\*\\tqplain}\\ansi\\ansicpg1252\\uc1 plain 1252 text}",  // not how it would be stored
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u-10179?}\\ansi\\ansicpg1252\\uc1 \\u1044?}",  // lone surrogate
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1044?}\\ansi\\ansicpg1252\\uc1 \\u1044?}",    // stand-in is "P"
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\'zz}\\ansi\\ansicpg1252\\uc1 \\u1044?}",
      "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory {}}\\ansi\\ansicpg1252\\uc1 \\u1044?}",
      "{\\rtf1{\\*\\tq",
  };
  for (const char* response : damaged) {
    const ReplyTexts stored{"P", "d", response};
    StoredReplyForm form = StoredReplyForm::kMarked;
    const ReplyTexts texts = DecodeReplyTexts(stored, &form);
    EXPECT_EQ(form, StoredReplyForm::kDamagedMarks) << response;
    EXPECT_EQ(texts, (ReplyTexts{"P", "d", response}));
    EXPECT_EQ(EncodeReplyTexts(texts), stored) << response;
  }
}

TEST(ReplyTextCodec, TextsEndAtAZeroCharacter) {
  EXPECT_EQ(EncodeReplyTexts({std::string("a\0b", 3), "d", std::string("x\0Ж", 4)}), (ReplyTexts{"a", "d", "x"}));
}

}  // namespace
}  // namespace tq::storage
