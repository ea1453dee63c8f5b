#include "app/reply_text_view.h"

#include <gtest/gtest.h>

#include "library/reply_plain_text.h"
#include "library/reply_plain_text_test_cases.h"
#include "ui/test_host.h"

namespace tq::app {
namespace {

// What the rich edit showing a reply holds, one line per paragraph (word
// wrap off), each ending in CR LF: the text the program once pasted and
// copied as plain text straight from its preview.
std::string PreviewLines(ui::RichEdit& edit) {
  edit.SetWordWrap(false);
  std::string text;
  for (int i = 0, n = edit.LineCount(); i < n; ++i) text += edit.Line(i) + "\r\n";
  edit.SetWordWrap(true);
  return text;
}

// The portable plain text is the preview's, for every kind of reply, though
// the preview is narrower than the longest line.
TEST(ReplyTextView, ThePlainTextIsWhatThePreviewShows) {
  ui::testing::TestHost host;
  ui::RichEdit edit;
  edit.Create(host.form, {0, 0, 200, 100}, {.readOnly = true});
  for (const library::testing::PlainTextCase& c : library::testing::PlainTextCases()) {
    ShowReplyText(edit, c.response);
    const std::string shown = PreviewLines(edit);
    EXPECT_EQ(library::ReplyPlainText(c.response), shown) << c.response;
    EXPECT_EQ(shown, c.text) << c.response;
  }
}

}  // namespace
}  // namespace tq::app
