#include "ui/window_place.h"

#include <gtest/gtest.h>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

RECT WorkArea() {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

SIZE ClientSize(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// The middle of a rectangle, doubled so odd sizes compare exactly.
POINT Middle2(const Rect& r) { return {r.x * 2 + r.width, r.y * 2 + r.height}; }

struct Dialog {
  Form form;
  explicit Dialog(HWND owner, DWORD style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME) {
    form.Create({.caption = "Dialog", .width = 150, .height = 100, .style = style, .owner = owner});
  }
};

TEST(SetClientSizeCentred, GivesTheClientSizeAndCentresOnAShownOwnerOrElseOnTheWorkArea) {
  TestHost host;
  SetWindowPos(host.form.Handle(), nullptr, 40, 30, 500, 400, SWP_NOZORDER | SWP_NOACTIVATE);
  host.form.Show();
  const RECT work = WorkArea();
  const POINT workMiddle2{work.left + work.right, work.top + work.bottom};
  const struct {
    const char* owner;
    int show;  // what is done to the owner first
    bool onOwner;
  } cases[] = {
      {"shown", SW_SHOWNOACTIVATE, true},
      {"minimised", SW_SHOWMINNOACTIVE, false},
      {"hidden", SW_HIDE, false},
  };
  for (const auto& c : cases) {
    ShowWindow(host.form.Handle(), c.show);
    Dialog dialog(host.form.Handle());
    SetClientSizeCentred(dialog.form, 321, 211, host.form.Handle());
    const SIZE client = ClientSize(dialog.form.Handle());
    EXPECT_EQ(client.cx, 321) << c.owner;
    EXPECT_EQ(client.cy, 211) << c.owner;
    const POINT at = Middle2(dialog.form.Bounds());
    const POINT expected = c.onOwner ? Middle2(host.form.Bounds()) : workMiddle2;
    EXPECT_NEAR(at.x, expected.x, 1) << c.owner;
    EXPECT_NEAR(at.y, expected.y, 1) << c.owner;
    ShowWindow(host.form.Handle(), SW_RESTORE);
  }
  Dialog alone(nullptr);
  SetClientSizeCentred(alone.form, 200, 100, nullptr);
  const POINT at = Middle2(alone.form.Bounds());
  EXPECT_NEAR(at.x, workMiddle2.x, 1) << "no owner";
  EXPECT_NEAR(at.y, workMiddle2.y, 1) << "no owner";
}

TEST(SetClientSizeCentred, KeepsTheFormOnTheWorkAreaBesideAnOwnerAtItsEdge) {
  TestHost host;
  const RECT work = WorkArea();
  SetWindowPos(host.form.Handle(), nullptr, work.right - 100, work.bottom - 80, 300, 200,
               SWP_NOZORDER | SWP_NOACTIVATE);
  host.form.Show();
  Dialog dialog(host.form.Handle());
  SetClientSizeCentred(dialog.form, 300, 200, host.form.Handle());
  const Rect b = dialog.form.Bounds();
  EXPECT_EQ(b.right(), work.right);
  EXPECT_EQ(b.bottom(), work.bottom);
}

TEST(Centre, KeepsTheFormsSizeAndCentresIt) {
  TestHost host;
  SetWindowPos(host.form.Handle(), nullptr, 20, 10, 600, 500, SWP_NOZORDER | SWP_NOACTIVATE);
  host.form.Show();
  Dialog dialog(host.form.Handle(), WS_OVERLAPPEDWINDOW);
  SetWindowPos(dialog.form.Handle(), nullptr, 0, 0, 337, 279, SWP_NOZORDER | SWP_NOACTIVATE);
  Centre(dialog.form, host.form.Handle());
  const Rect b = dialog.form.Bounds();
  EXPECT_EQ(b.width, 337);
  EXPECT_EQ(b.height, 279);
  const POINT at = Middle2(b);
  const POINT owner = Middle2(host.form.Bounds());
  EXPECT_NEAR(at.x, owner.x, 1);
  EXPECT_NEAR(at.y, owner.y, 1);
}

}  // namespace
}  // namespace tq::ui
