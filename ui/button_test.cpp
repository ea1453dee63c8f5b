#include "ui/button.h"

#include <gtest/gtest.h>

#include "ui/panel.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Button, ClicksReachTheButtonThroughNestedPanels) {
  TestHost host;
  Panel outer, inner;
  outer.Create(host.form, {0, 0, 300, 200});
  inner.Create(outer, {10, 10, 200, 100}, {.border = true});
  Button button;
  button.Create(inner, {5, 5, 75, 25}, "&Add");
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  host.form.Show();
  button.Send(BM_CLICK);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button.Text(), "&Add");
  EXPECT_EQ(button.Font(), host.form.Font()) << "controls take the font of the form through the panels";
}

TEST(CheckBox, ClickTogglesAndReports) {
  TestHost host;
  CheckBox box;
  box.Create(host.form, {8, 8, 200, 20}, "&Show the reminder again");
  bool seen = false;
  box.onClick = [&] { seen = box.Checked(); };
  host.form.Show();
  box.Send(BM_CLICK);
  EXPECT_TRUE(seen);
  box.Send(BM_CLICK);
  EXPECT_FALSE(box.Checked());
  box.SetChecked(true);
  EXPECT_TRUE(box.Checked());
}

}  // namespace
}  // namespace tq::ui
