#include "ui/edit.h"

#include <gtest/gtest.h>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Edit, KeepsUnicodeTextCountsUtf16AndReportsEveryChange) {
  TestHost host;
  Edit edit;
  edit.Create(host.form, {8, 8, 300, 100}, {.multiLine = true});
  int changes = 0;
  edit.onChange = [&] { ++changes; };

  const std::string text = "👍 Café € 5\r\nnaïve Привет";
  edit.SetText(text);
  EXPECT_EQ(edit.Text(), text);
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(changes, 1);

  // Positions are the control's UTF-16 units: the emoji is two of them.
  edit.SetSelection(3, 7);
  EXPECT_EQ(edit.Selection(), std::make_pair(3, 7));
  edit.ReplaceSelection("Чай");
  EXPECT_EQ(edit.Text().substr(0, 15), "👍 Чай €");
  EXPECT_EQ(changes, 2);
}

TEST(Edit, ReadOnlyAndLengthLimitHoldForTypedText) {
  TestHost host;
  Edit edit;
  edit.Create(host.form, {8, 8, 300, 24});
  edit.SetMaxLength(3);
  for (char c : std::string("abcd")) edit.Send(WM_CHAR, static_cast<WPARAM>(c));
  EXPECT_EQ(edit.Text(), "abc");
  edit.SetReadOnly(true);
  edit.Send(WM_CHAR, 'z');
  EXPECT_EQ(edit.Text(), "abc");
}

}  // namespace
}  // namespace tq::ui
