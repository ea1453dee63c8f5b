#include "spell/window/win_api_control_parser.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <memory>
#include <string>

#include "ui/edit.h"
#include "ui/rich_edit.h"
#include "ui/test_host.h"

namespace tq::spell {
namespace {

using ui::testing::TestHost;

// A host form with one text control of either kind, word wrap off so lines
// are the text's own lines.
struct TextControl {
  TestHost host;
  ui::Edit edit;
  ui::RichEdit rich;
  bool isRich;

  explicit TextControl(bool richEdit) : isRich(richEdit) {
    if (isRich) {
      rich.Create(host.form, {8, 8, 360, 200}, {.wordWrap = false});
    } else {
      edit.Create(host.form, {8, 8, 360, 200}, {.multiLine = true, .wordWrap = false});
    }
  }
  ui::Wnd& wnd() { return isRich ? static_cast<ui::Wnd&>(rich) : edit; }
  void SetText(const std::string& text) {
    if (isRich)
      rich.SetPlainText(text);
    else
      edit.SetText(text);
  }
  // The text with the control's own line breaks made CR LF.
  std::string Text() { return isRich ? rich.PlainText() : edit.Text(); }
};

// Everything the cursor reads from (x, y) until it answers false.
std::string ReadAll(TWinAPIControlParser& parser) {
  std::string out;
  for (char c = parser.GetChar(); c != '\0'; c = parser.GetChar()) {
    out += c;
    if (!parser.MoveNext()) break;
  }
  return out;
}

class BothControls : public ::testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(EditAndRichEdit, BothControls, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "RichEdit" : "Edit"; });

TEST(WinAPIControlParser, ControlKindComesFromTheClassName) {
  const struct {
    const char* className;
    TWinAPIControlType type;
  } cases[] = {{"RichEdit20A", actRichEdit2},
               {"RICHEDIT20W", actRichEdit2},
               {"RICHEDIT", actRichEdit},
               {"RichEdit50W", actRichEdit},
               {"TSyntaxMemo", actRichEdit},
               {"TLMDMemo", actRichEdit},
               {"Edit", actEdit},
               {"TMemo", actEdit},
               {"", actEdit}};
  for (const auto& c : cases) EXPECT_EQ(ControlTypeOfClass(c.className), c.type) << c.className;

  TextControl rich(true), edit(false);
  TWinAPIControlParser parser;
  parser.Initialize(&rich.wnd());
  EXPECT_EQ(parser.ReadControlType(), actRichEdit);  // msftedit's RICHEDIT50W
  EXPECT_EQ(parser.ReadControl(), &rich.wnd());
  parser.Initialize(&edit.wnd());
  EXPECT_EQ(parser.ReadControlType(), actEdit);
}

TEST_P(BothControls, ReadsEveryLineFollowedByALineBreak) {
  TextControl control(GetParam());
  control.SetText("Dear Sir\r\n\r\nthanks a lot");
  TWinAPIControlParser parser;
  parser.Initialize(&control.wnd());
  EXPECT_EQ(ReadAll(parser), "Dear Sir\r\n\r\nthanks a lot\r\n");

  std::string line;
  parser.SetPosition(3, 2, ptCurrent);
  parser.GetLine(line);
  EXPECT_EQ(line, "thanks a lot\r\n");
  EXPECT_EQ(parser.GetChar(), 'n');
}

TEST_P(BothControls, MovingBackCrossesLinesAndStopsAtTheStart) {
  TextControl control(GetParam());
  control.SetText("ab\r\ncd");
  TWinAPIControlParser parser;
  parser.Initialize(&control.wnd());
  parser.SetPosition(0, 1, ptCurrent);
  ASSERT_EQ(parser.GetChar(), 'c');
  ASSERT_TRUE(parser.MovePrevious());
  int32_t x = -1, y = -1;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(parser.GetChar(), '\n');
  ASSERT_TRUE(parser.MovePrevious());
  EXPECT_EQ(parser.GetChar(), '\r');

  parser.SetPosition(0, 0, ptCurrent);
  EXPECT_FALSE(parser.MovePrevious());
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
}

TEST_P(BothControls, ReplacingAWordChangesTheWindowAndMovesTheEndLimit) {
  TextControl control(GetParam());
  control.SetText("one\r\nteh cat sat here\r\nlast");
  TWinAPIControlParser parser;
  parser.Initialize(&control.wnd());
  // Check only up to the "t" of "sat" on line 1.
  parser.SetPosition(10, 1, ptEnd);
  parser.SetPosition(3, 1, ptCurrent);
  parser.SelectWord(3);
  int32_t startX, startY, endX, endY;
  parser.GetSelectionPosition(startX, startY, endX, endY);
  EXPECT_EQ(std::make_pair(startX, startY), std::make_pair(0, 1));
  EXPECT_EQ(std::make_pair(endX, endY), std::make_pair(3, 1));

  // Longer than what was left of the line before: reading goes on in the
  // changed line, not on the next one.
  parser.ReplaceWord("the-rather-long", 0);
  EXPECT_EQ(control.Text(), "one\r\nthe-rather-long cat sat here\r\nlast");
  EXPECT_EQ(ReadAll(parser), " cat sat") << "the end limit moved by the 12 characters the line grew";

  EXPECT_TRUE(control.wnd().Send(EM_CANUNDO)) << "the control can take the correction back";
}

// Positions are the control's UTF-16 units: an emoji is two, a Cyrillic
// letter one, each read as the engine's stand-in byte; a replacement from
// the dictionaries' code page arrives as the character it is.
TEST_P(BothControls, ReadsOneBytePerUtf16UnitAndWritesCorrectionsAsCharacters) {
  TextControl control(GetParam());
  control.SetText("\xF0\x9F\x98\x80 teh \xD0\xBA\xD0\xBE\xD1\x82 cafe");  // 😀 teh кот cafe
  TWinAPIControlParser parser;
  parser.Initialize(&control.wnd());
  EXPECT_EQ(ReadAll(parser), "\x81\x81 teh \x81\x81\x81 cafe\r\n");

  parser.SetPosition(15, 0, ptCurrent);  // after "cafe": units 11 to 14
  parser.SelectWord(4);
  parser.ReplaceWord("caf\xE9", 0);  // Windows-1252
  parser.SetPosition(6, 0, ptCurrent);
  parser.SelectWord(3);
  int32_t startX, startY, endX, endY;
  parser.GetSelectionPosition(startX, startY, endX, endY);
  EXPECT_EQ(std::make_pair(startX, endX), std::make_pair(3, 6));
  parser.ReplaceWord("the", 0);
  EXPECT_EQ(control.Text(), "\xF0\x9F\x98\x80 the \xD0\xBA\xD0\xBE\xD1\x82 caf\xC3\xA9");
}

TEST_P(BothControls, IgnoringMovesPastTheSelection) {
  TextControl control(GetParam());
  control.SetText("zzz yyy");
  TWinAPIControlParser parser;
  parser.Initialize(&control.wnd());
  parser.SetPosition(3, 0, ptCurrent);
  parser.SelectWord(3);
  parser.IgnoreWord(iwIgnore);
  EXPECT_EQ(ReadAll(parser), " yyy\r\n");
  int32_t x, y;
  parser.SetPosition(5, 0, ptCurrent);
  parser.SelectWord(0);
  parser.GetCursorPosition(x, y);
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(5, 0));
}

TEST_P(BothControls, ALongLineIsReadUpToTheBufferSize) {
  TextControl control(GetParam());
  const std::string longLine(TWinAPIControlParser::kMaxLineChars + 100, 'w');
  control.SetText(longLine + "\r\nnext");
  ASSERT_EQ(control.wnd().Send(EM_GETLINECOUNT), 2);
  TWinAPIControlParser parser;
  parser.Initialize(&control.wnd());
  std::string line;
  parser.GetLine(line);
  EXPECT_EQ(line, std::string(TWinAPIControlParser::kMaxLineChars, 'w') + "\r\n");
}

TEST_P(BothControls, TheSelectionIsFoundOnTheScreenInsideTheControl) {
  TextControl control(GetParam());
  control.SetText("first line\r\nsecond wrod\r\nthird");
  control.host.form.Show();
  TWinAPIControlParser parser;
  parser.Initialize(&control.wnd());
  TSpellRect box;
  parser.GetControlScreenPosition(box);
  RECT window{};
  GetWindowRect(control.wnd().Handle(), &window);
  EXPECT_EQ(box.Right - box.Left, window.right - window.left);
  EXPECT_EQ(box.Bottom - box.Top, window.bottom - window.top);

  // "wrod" on line 1, then "third", the last word of the text.
  for (const auto& [x, y, length] : {std::tuple{11, 1, 4}, std::tuple{5, 2, 5}}) {
    parser.SetPosition(x, y, ptCurrent);
    parser.SelectWord(length);
    TSpellRect word;
    parser.GetSelectionScreenPosition(word);
    EXPECT_GT(word.Left, box.Left);
    EXPECT_GT(word.Right, word.Left + 10) << "a word of " << length << " characters has a width";
    EXPECT_LT(word.Right, box.Right);
    EXPECT_GT(word.Top, box.Top + (y - 1) * 10);
    EXPECT_GE(word.Bottom - word.Top, 10);
    EXPECT_LT(word.Bottom, box.Bottom);
    if (GetParam()) {
      // Read with the first rich edit generation's message form, as
      // CheckRichEdit does, the same place comes out.
      parser.WriteControlType(actRichEdit);
      TSpellRect again;
      parser.GetSelectionScreenPosition(again);
      parser.WriteControlType(actRichEdit2);
      EXPECT_EQ(std::tie(again.Left, again.Top, again.Right, again.Bottom),
                std::tie(word.Left, word.Top, word.Right, word.Bottom));
    }
  }
}

TEST(WinAPIControlParser, AWindowThatIsGoneReadsAsNoText) {
  TWinAPIControlParser parser;
  parser.InitializeFromHWND(nullptr);
  EXPECT_EQ(parser.GetChar(), '\0');
  EXPECT_FALSE(parser.MoveNext());
  std::string line = "old";
  parser.GetLine(line);
  EXPECT_EQ(line, "");
  EXPECT_EQ(parser.ReadControl(), nullptr);
}

}  // namespace
}  // namespace tq::spell
