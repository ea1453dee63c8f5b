#include "ui/message_box.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "ui/button.h"
#include "ui/test_host.h"
#include "ui/test_message_boxes.h"

namespace tq::ui {
namespace {

using testing::MessageBoxAnswerer;
using testing::TestHost;

TEST(MessageBoxes, ErrorBoxShowsItsTextAndCaption) {
  TestHost host;
  MessageBoxAnswerer answerer(IDOK);
  ShowErrorBox(host.form.Handle(), "Error opening C:\\x.qdk");
  ASSERT_EQ(answerer.seen.size(), 1u);
  EXPECT_EQ(answerer.seen[0].caption, "Error");
  EXPECT_EQ(answerer.seen[0].text, "Error opening C:\\x.qdk");
}

// The box shows the text and caption as given, read back from the box
// itself through the wide API.
TEST(MessageBoxes, UnicodeTextAndCaptionAreShownExactly) {
  TestHost host;
  const struct {
    std::string text, caption;
  } cases[] = {
      {"Не удалось открыть «Ответы.qdk»", "Ошибка"},
      {"ファイルを開けません 👍", "エラー"},
      {"Ελληνικά 𝄞 — Grüße", "Tavrin Quillet 👍"},
  };
  for (const auto& c : cases) {
    {
      MessageBoxAnswerer answerer(IDOK);
      ShowErrorBox(host.form.Handle(), c.text, c.caption);
      ASSERT_EQ(answerer.seen.size(), 1u);
      EXPECT_EQ(answerer.seen[0].caption, c.caption);
      EXPECT_EQ(answerer.seen[0].text, c.text);
    }
    MessageBoxAnswerer yes(IDYES);
    EXPECT_TRUE(ConfirmBox(host.form.Handle(), c.text, c.caption));
    ASSERT_EQ(yes.seen.size(), 1u);
    EXPECT_EQ(yes.seen[0].caption, c.caption);
    EXPECT_EQ(yes.seen[0].text, c.text);
  }
}

TEST(MessageBoxes, ConfirmationIsTrueOnlyForYes) {
  TestHost host;
  {
    MessageBoxAnswerer yes(IDYES);
    EXPECT_TRUE(ConfirmBox(host.form.Handle(), "Delete the reply?"));
    ASSERT_EQ(yes.seen.size(), 1u);
    EXPECT_EQ(yes.seen[0].caption, "Confirm");
  }
  MessageBoxAnswerer no(IDNO);
  EXPECT_FALSE(ConfirmBox(host.form.Handle(), "Delete the reply?", "Tavrin Quillet"));
  ASSERT_EQ(no.seen.size(), 1u);
  EXPECT_EQ(no.seen[0].caption, "Tavrin Quillet");
}

TEST(MessageBoxes, AnErrorThrownByAHandlerIsShownWithTheApplicationTitleAndTheProgramGoesOn) {
  TestHost host;  // its application window is captioned "Quillet Toolkit Test"
  Button button;
  button.Create(host.form, {8, 8, 75, 25}, "Open");
  int clicks = 0;
  button.onClick = [&] {
    if (++clicks == 1) throw std::runtime_error("Error opening C:\\missing.qdk");
  };
  host.form.Show();
  MessageBoxAnswerer answerer(IDOK);
  button.Send(BM_CLICK);
  ASSERT_EQ(answerer.seen.size(), 1u);
  EXPECT_EQ(answerer.seen[0].caption, "Quillet Toolkit Test");
  EXPECT_EQ(answerer.seen[0].text, "Error opening C:\\missing.qdk");

  button.Send(BM_CLICK);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(answerer.seen.size(), 1u);
}

}  // namespace
}  // namespace tq::ui
