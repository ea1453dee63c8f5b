#include "ui/edit.h"

#include <gtest/gtest.h>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Edit, KeepsAnsiTextAndReportsEveryChange) {
  TestHost host;
  Edit edit;
  edit.Create(host.form, {8, 8, 300, 100}, {.multiLine = true});
  int changes = 0;
  edit.onChange = [&] { ++changes; };

  const std::string text = "Caf\xE9 \x80 5\r\nna\xEFve";  // Windows-1252 bytes
  edit.SetText(text);
  EXPECT_EQ(edit.Text(), text);
  EXPECT_EQ(edit.LineCount(), 2);
  EXPECT_EQ(changes, 1);

  edit.SetSelection(0, 4);
  EXPECT_EQ(edit.Selection(), std::make_pair(0, 4));
  edit.ReplaceSelection("Tea");
  EXPECT_EQ(edit.Text().substr(0, 5), "Tea \x80");
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
