#include "ui/control.h"

#include <gtest/gtest.h>

#include "ui/combo_box.h"
#include "ui/dpi.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Control, IsPlacedAtLayoutPixelsScaledForTheScreen) {
  TestHost host;
  Label label;
  const Rect layout{10, 20, 150, 30};
  label.Create(host.form, layout, "STEP &1:");
  EXPECT_EQ(label.Bounds(), ScaleForDpi(layout, ScreenDpi()));
  EXPECT_EQ(label.Text(), "STEP &1:");
}

TEST(Control, DockedPanelsFollowTheirParentAndGiveRoomBackWhenHidden) {
  TestHost host;
  Panel firstUse, main, top, buttons;
  firstUse.Create(host.form, {0, 0, 10, 10});
  main.Create(host.form, {0, 0, 10, 10});
  top.Create(main, {0, 0, 10, 152});
  buttons.Create(top, {0, 0, 30, 10});
  firstUse.SetAlign(Align::Client);
  main.SetAlign(Align::Client);
  top.SetAlign(Align::Top);
  buttons.SetAlign(Align::Right);

  host.form.SetBounds({0, 0, 500, 400});
  const Rect client = host.form.ClientRect();
  EXPECT_EQ(main.Bounds(), (Rect{0, 0, client.width, client.height}));
  EXPECT_EQ(firstUse.Bounds(), main.Bounds());
  EXPECT_EQ(top.Bounds(), (Rect{0, 0, client.width, 152}));
  EXPECT_EQ(buttons.Bounds(), (Rect{client.width - 30, 0, 30, 152}));

  host.form.SetBounds({0, 0, 600, 400});
  EXPECT_EQ(buttons.Bounds().x, host.form.ClientRect().width - 30) << "the right edge follows a resize";

  Panel bottom;
  bottom.Create(main, {0, 0, 10, 40});
  bottom.SetAlign(Align::Bottom);
  bottom.SetVisible(false);
  main.Relayout();
  Panel rest;
  rest.Create(main, {0, 0, 10, 10});
  rest.SetAlign(Align::Client);
  const int fullHeight = main.ClientRect().height - 152;
  EXPECT_EQ(rest.Bounds().height, fullHeight);
  bottom.SetVisible(true);
  EXPECT_EQ(rest.Bounds().height, fullHeight - 40);
}

TEST(ComboBox, ChoosesAmongItsTexts) {
  TestHost host;
  ComboBox combo;
  combo.Create(host.form, {8, 8, 150, 120});
  EXPECT_EQ(combo.SelectedIndex(), -1);
  combo.AddItem("American");
  combo.AddItem("Brit\xE4nnic");
  EXPECT_EQ(combo.Count(), 2);
  combo.SetSelectedIndex(1);
  EXPECT_EQ(combo.SelectedIndex(), 1);
  EXPECT_EQ(combo.ItemText(1), "Brit\xE4nnic");
  EXPECT_EQ(combo.ItemText(5), "");
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
}

}  // namespace
}  // namespace tq::ui
