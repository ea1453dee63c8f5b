#include "ui/rich_edit.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <algorithm>
#include <string>

#include "platform/utf16.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(RichEdit, IsAWideMsftEditControlAndReadsRtf) {
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 300, 150});
  EXPECT_STREQ(rich.ClassName(), L"RICHEDIT50W");
  EXPECT_TRUE(HasClass(rich.Handle(), L"RICHEDIT50W"));
  EXPECT_TRUE(IsWindowUnicode(rich.Handle()));

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
}

// Plain text goes in and out exactly, whatever its script, and the control
// holds it as the same UTF-16; RTF carries it as \uN escapes in ASCII bytes.
TEST(RichEdit, UnicodeTextGoesInAndOutExactly) {
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 300, 150});
  const std::string texts[] = {
      "Grüße — Привет — Ελληνικά — 日本語 — 👍",
      "👍",
      "{\\rtf1 Привет}",  // still plain text
      "Caf\u00e9 “quoted”\r\nЁлка\r\n\r\n𝄞 after a blank line",
  };
  for (const std::string& text : texts) {
    rich.SetPlainText(text);
    EXPECT_EQ(rich.PlainText(), text);
    const std::wstring wide = platform::Wide(text);
    std::wstring shown(wide.size() + 8, L'\0');
    shown.resize(static_cast<size_t>(GetWindowTextW(rich.Handle(), shown.data(), static_cast<int>(shown.size()))));
    // The control keeps paragraphs as CR alone.
    std::wstring expected;
    for (size_t i = 0; i < wide.size(); ++i)
      if (!(wide[i] == L'\n' && i > 0 && wide[i - 1] == L'\r')) expected += wide[i];
    std::wstring got;
    for (size_t i = 0; i < shown.size(); ++i)
      if (!(shown[i] == L'\n' && i > 0 && shown[i - 1] == L'\r')) got += shown[i];
    EXPECT_EQ(got, expected) << text;

    const std::string rtf = rich.Rtf();
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        << "RTF is ASCII: " << rtf;
    rich.SetPlainText("");
    ASSERT_TRUE(rich.SetRtf(rtf));
    EXPECT_EQ(rich.PlainText().substr(0, text.size()), text) << "through RTF and back";
  }

  ASSERT_TRUE(rich.SetRtf("{\\rtf1\\ansi Caf\\'e9 \\u1055?\\u1088?\\u1080? \\u-10179?\\u-9139?}"));
  const std::string escaped = "Café При 👍";
  EXPECT_EQ(rich.PlainText().substr(0, escaped.size()), escaped);
}

// Selections and lines count in UTF-16 units, as the control does: an emoji
// is two of them.
TEST(RichEdit, SelectionsAndLinesCountUtf16Units) {
  TestHost host;
  RichEdit rich;
  rich.Create(host.form, {8, 8, 300, 150});
  rich.SetPlainText("👍 Привет\r\n日本語");
  rich.SetWordWrap(false);
  ASSERT_EQ(rich.LineCount(), 2);
  EXPECT_EQ(rich.Line(0), "👍 Привет");
  EXPECT_EQ(rich.Line(1), "日本語");
  CHARRANGE word{3, 9};
  rich.Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&word));
  EXPECT_EQ(rich.Selection(), std::make_pair(3, 9));
  wchar_t selected[16] = {};
  rich.Send(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(selected));
  EXPECT_EQ(platform::Utf8(selected), "Привет");
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
