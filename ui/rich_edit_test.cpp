#include "ui/rich_edit.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(RichEdit, UsesTheVersion2ClassAndReadsRtf) {
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 300, 150});
  EXPECT_STREQ(rich.ClassName(), "RichEdit20A");
  char cls[64] = {};
  GetClassNameA(rich.Handle(), cls, sizeof cls);
  EXPECT_STREQ(cls, "RichEdit20A");

  ASSERT_TRUE(rich.SetRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Dear {\\b Sir}\\par Thanks\\par}"));
  EXPECT_EQ(rich.PlainText().substr(0, 16), "Dear Sir\r\nThanks");
  EXPECT_NE(rich.Rtf().find("\\b"), std::string::npos) << "the bold run survives a round trip";
}

TEST(RichEdit, PlainTextIsTakenLiterallyAndNonRtfIsRefused) {
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 300, 150});
  rich.SetPlainText("{\\rtf1 looks like rtf}");
  EXPECT_EQ(rich.PlainText(), "{\\rtf1 looks like rtf}");

  rich.SetPlainText("keep me");
  EXPECT_FALSE(rich.SetRtf("not rtf at all"));
  EXPECT_EQ(rich.PlainText(), "keep me");

  rich.SetPlainText("Caf\xE9 \x93quoted\x94");
  EXPECT_EQ(rich.PlainText(), "Caf\xE9 \x93quoted\x94") << "ANSI text goes in and out unchanged";
}

TEST(RichEdit, TextLongerThanOneStreamPieceGoesInAndOutWhole) {
  // The control reads and writes in pieces of a few kilobytes: every piece
  // must follow the one before.
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 300, 150});
  std::string text, rtf = "{\\rtf1\\ansi ";
  for (int i = 0; i < 1500; ++i) {
    const std::string line = "line " + std::to_string(i);
    text += line + "\r\n";
    rtf += line + "\\par ";
  }
  text += "end";
  rtf += "{\\b end}}";
  ASSERT_GT(text.size(), 15000u);

  rich.SetPlainText(text);
  EXPECT_EQ(rich.PlainText(), text);

  rich.SetPlainText("");
  ASSERT_TRUE(rich.SetRtf(rtf));
  EXPECT_EQ(rich.PlainText().substr(0, text.size()), text);
  const std::string out = rich.Rtf();
  EXPECT_GT(out.size(), text.size());
  EXPECT_NE(out.find("line 0"), std::string::npos);
  EXPECT_NE(out.find("line 1499"), std::string::npos) << "the last piece comes out too";
}

TEST(RichEdit, LinesAreParagraphsWithoutWordWrap) {
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 120, 150});
  const std::string longLine(200, 'w');
  rich.SetPlainText("short\r\n" + longLine + "\r\nlast");
  rich.SetWordWrap(false);
  ASSERT_EQ(rich.LineCount(), 3);
  EXPECT_EQ(rich.Line(0), "short");
  EXPECT_EQ(rich.Line(1), longLine);
  EXPECT_EQ(rich.Line(2), "last");
  rich.SetWordWrap(true);
  EXPECT_TRUE(rich.WordWrap());
}

TEST(RichEdit, ChangesAreReportedAndSelectionCollapses) {
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 300, 150});
  int changes = 0;
  rich.onChange = [&] { ++changes; };
  rich.SetFocus();
  rich.Send(WM_CHAR, 'a');
  EXPECT_GE(changes, 1);

  rich.SetPlainText("hello world");
  rich.SelectAll();
  EXPECT_EQ(rich.Selection().first, 0);
  EXPECT_GE(rich.Selection().second, 11) << "all, and the final paragraph mark with it";
  rich.CollapseSelection();
  EXPECT_EQ(rich.Selection(), std::make_pair(0, 0));
}

}  // namespace
}  // namespace tq::ui
