#include "ui/splitter.h"

#include <gtest/gtest.h>

#include "ui/link_label.h"
#include "ui/panel.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Splitter, DragSetsTheHeightAboveWithinLimits) {
  TestHost host;
  Panel pane, top, rest;
  pane.Create(host.form, {0, 0, 300, 240});
  pane.SetAlign(Align::Client);
  top.Create(pane, {0, 0, 300, 100});
  top.SetAlign(Align::Top);
  Splitter bar;
  bar.Create(pane, top);
  rest.Create(pane, {0, 0, 300, 50});
  rest.SetAlign(Align::Client);
  host.form.Show();
  int reported = -1;
  bar.onMoved = [&](int h) { reported = h; };
  const int start = top.Bounds().height;

  bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 1));
  bar.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 21));
  bar.Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 21));
  EXPECT_EQ(top.Bounds().height, start + 20);
  EXPECT_EQ(reported, start + 20);
  EXPECT_EQ(bar.Bounds().y, top.Bounds().height) << "the bar follows the pane above it";
  EXPECT_EQ(rest.Bounds().y, bar.Bounds().y + bar.Bounds().height);

  // Far up: the pane keeps its minimum; far down: the rest keeps one.
  bar.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 1));
  bar.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, static_cast<WORD>(-1000)));
  EXPECT_EQ(top.Bounds().height, bar.minSize);
  bar.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 2000));
  EXPECT_EQ(top.Bounds().height, pane.ClientRect().height - bar.minSize - bar.Bounds().height);
  bar.Send(WM_LBUTTONUP, 0, 0);

  // Moving without the button held changes nothing.
  const int now = top.Bounds().height;
  bar.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 30));
  EXPECT_EQ(top.Bounds().height, now);
}

TEST(LinkLabel, ClickRunsTheLinkWithItsOwnBoldUnderlinedFont) {
  TestHost host;
  Panel panel;
  panel.Create(host.form, {0, 0, 300, 200});
  LinkLabel link;
  link.Create(panel, {10, 10, 250, 16}, "Click here to create a new file");
  int clicks = 0;
  link.onClick = [&] { ++clicks; };
  host.form.Show();
  SendMessageW(panel.Handle(), WM_COMMAND, MAKEWPARAM(link.Id(), STN_CLICKED), reinterpret_cast<LPARAM>(link.Handle()));
  EXPECT_EQ(clicks, 1);
  LOGFONTA lf{};
  ASSERT_NE(GetObjectA(link.Font(), sizeof lf, &lf), 0);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_GE(lf.lfWeight, FW_BOLD);
  EXPECT_NE(link.Font(), panel.Font());
}

}  // namespace
}  // namespace tq::ui
