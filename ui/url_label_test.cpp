#include "ui/url_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

constexpr COLORREF kNormal = RGB(0, 0, 200);
constexpr COLORREF kOver = RGB(0, 160, 0);
constexpr COLORREF kClick = RGB(220, 0, 0);

struct LabelFixture : ::testing::Test {
  TestHost host;
  TURLLabel label;
  std::vector<std::string> opened;
  std::vector<HWND> owners;
  std::vector<int> shows;
  int clicks = 0;

  void SetUp() override {
    label.Create(host.form, {10, 10, 150, 20}, "www.example.com");
    label.URL = "http://www.example.com/";
    label.ColorNormal = kNormal;
    label.ColorMoveOver = kOver;
    label.ColorClick = kClick;
    label.openURL = [this](HWND owner, const std::string& url, int show) {
      owners.push_back(owner);
      opened.push_back(url);
      shows.push_back(show);
    };
    label.onClick = [this] { ++clicks; };
  }

  void Mouse(UINT msg, int x, int y) { label.Send(msg, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y))); }
};

TEST(URLLabel, StartsBlueUnderlinedWithAnEmptyURL) {
  TestHost host;
  TURLLabel label;
  label.Create(host.form, {10, 10, 150, 20}, "Home page");
  EXPECT_TRUE(label.URL.empty());
  EXPECT_EQ(label.ColorNormal, RGB(0, 0, 255));
  EXPECT_EQ(label.ColorMoveOver, RGB(0, 0, 255));
  EXPECT_EQ(label.ColorClick, RGB(255, 0, 0));
  EXPECT_EQ(label.TextColor(), RGB(0, 0, 255));
  EXPECT_EQ(label.Text(), "Home page");
  LOGFONTA lf{};
  ASSERT_NE(GetObjectA(label.Font(), sizeof lf, &lf), 0);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_GT(label.TextWidth(), 20);
  EXPECT_LT(label.TextWidth(), 150);
}

TEST_F(LabelFixture, PressAndReleaseOnTheLabelOpensTheURLOnce) {
  Mouse(WM_MOUSEMOVE, 5, 5);
  EXPECT_EQ(label.TextColor(), kOver);
  Mouse(WM_LBUTTONDOWN, 5, 5);
  EXPECT_TRUE(label.Pressed());
  EXPECT_EQ(label.TextColor(), kClick);
  EXPECT_TRUE(opened.empty()) << "nothing opens on the press";
  Mouse(WM_LBUTTONUP, 6, 6);
  EXPECT_FALSE(label.Pressed());
  EXPECT_EQ(label.TextColor(), kOver);
  ASSERT_EQ(opened, std::vector<std::string>{"http://www.example.com/"});
  EXPECT_EQ(owners[0], host.form.Handle()) << "the form that holds the label owns the opening";
  EXPECT_EQ(shows[0], SW_SHOW);
  EXPECT_EQ(clicks, 1);

  // Any button opens it; only the left one is a click.
  Mouse(WM_RBUTTONDOWN, 5, 5);
  Mouse(WM_RBUTTONUP, 5, 5);
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_EQ(clicks, 1);
}

TEST_F(LabelFixture, ReleasingOffTheLabelOpensNothingAndTurnsNormal) {
  const Rect client = label.ClientRect();
  const POINT outside[] = {{-1, 5}, {5, -1}, {client.width + 1, 5}, {5, client.height + 1}, {-40, -40}};
  for (const POINT p : outside) {
    Mouse(WM_MOUSEMOVE, 5, 5);
    Mouse(WM_LBUTTONDOWN, 5, 5);
    EXPECT_EQ(GetCapture(), label.Handle()) << "the release must reach the label wherever it happens";
    Mouse(WM_MOUSEMOVE, p.x, p.y);
    EXPECT_EQ(label.TextColor(), kNormal) << "off the label while pressed";
    Mouse(WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(label.TextColor(), kClick) << "back on it, still pressed";
    Mouse(WM_MOUSEMOVE, p.x, p.y);
    Mouse(WM_LBUTTONUP, p.x, p.y);
    EXPECT_EQ(label.TextColor(), kNormal) << p.x << "," << p.y;
    EXPECT_FALSE(label.Pressed());
    EXPECT_NE(GetCapture(), label.Handle());
  }
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(clicks, 0);
  // The very edge still counts as on the label.
  Mouse(WM_LBUTTONDOWN, 5, 5);
  Mouse(WM_LBUTTONUP, client.width, client.height);
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(LabelFixture, AnEmptyURLChangesColourButOpensNothing) {
  label.URL.clear();
  Mouse(WM_MOUSEMOVE, 5, 5);
  EXPECT_EQ(label.TextColor(), kOver);
  Mouse(WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(label.TextColor(), kClick);
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(label.TextColor(), kOver);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(clicks, 1) << "the ordinary click still fires";
}

TEST_F(LabelFixture, AReleaseWithoutAPressOnTheLabelOpensNothing) {
  Mouse(WM_MOUSEMOVE, 5, 5);
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_TRUE(opened.empty());
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(label.TextColor(), kOver);
  label.Send(WM_MOUSELEAVE);
  EXPECT_EQ(label.TextColor(), kNormal) << "the pointer left";
}

TEST_F(LabelFixture, LosingTheMouseMidPressEndsThePress) {
  Mouse(WM_LBUTTONDOWN, 5, 5);
  ASSERT_EQ(GetCapture(), label.Handle());
  SetCapture(host.form.Handle());
  EXPECT_FALSE(label.Pressed());
  EXPECT_EQ(label.TextColor(), kNormal);
  ReleaseCapture();
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace tq::ui
