#include "ui/rich_edit_viewer.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/button.h"
#include "ui/panel.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

std::wstring ClassOf(HWND hwnd) {
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  return cls;
}

bool MsftEditLoaded() { return GetModuleHandleW(L"msftedit.dll") != nullptr; }

struct Opened {
  HWND owner;
  std::string target;
  int show;
};

// Where character `index` of the viewer's text is drawn, in client pixels.
POINT PointOfChar(const TRichEditViewer& viewer, int index) {
  POINTL at{};
  viewer.Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), index);
  return {at.x + 2, at.y + 3};
}

TEST(RichEditViewer, TwoViewersLoadTheLibraryOnceAndTheLastOneFreesIt) {
  TestHost host;
  ASSERT_FALSE(MsftEditLoaded()) << "nothing else in this process may hold the library";
  ASSERT_EQ(RichEditLibrary::UseCount(), 0);

  auto first = std::make_unique<TRichEditViewer>();
  first->Create(host.form, {8, 8, 200, 100});
  EXPECT_TRUE(first->HoldsLibrary());
  EXPECT_EQ(RichEditLibrary::Version(), 4);
  EXPECT_TRUE(HasClass(first->Handle(), L"RICHEDIT50W"));
  EXPECT_TRUE(IsWindowUnicode(first->Handle()));
  const HMODULE loaded = GetModuleHandleW(L"msftedit.dll");
  ASSERT_NE(loaded, nullptr);

  auto second = std::make_unique<TRichEditViewer>();
  second->Create(host.form, {8, 120, 200, 100});
  EXPECT_EQ(RichEditLibrary::UseCount(), 2);
  EXPECT_EQ(GetModuleHandleW(L"msftedit.dll"), loaded) << "the second viewer loads nothing new";

  first.reset();
  EXPECT_EQ(RichEditLibrary::UseCount(), 1);
  EXPECT_TRUE(MsftEditLoaded()) << "the second viewer still needs it";
  second->SetRTFText("{\\rtf1 still {\\b working}\\par}");
  EXPECT_EQ(second->PlainText().substr(0, 13), "still working");

  second.reset();
  EXPECT_EQ(RichEditLibrary::UseCount(), 0);
  EXPECT_EQ(RichEditLibrary::Version(), 0);
  EXPECT_FALSE(MsftEditLoaded());
}

TEST(RichEditViewer, SwitchingRichEditOffGivesTheUseBackAndKeepsTheText) {
  TestHost host;
  TRichEditViewer viewer;
  viewer.Create(host.form, {8, 8, 200, 100});
  viewer.SetRTFText("{\\rtf1 Hello {\\i there}\\par}");
  const Rect placed = viewer.Bounds();

  viewer.SetUseRichEdit(false);
  EXPECT_FALSE(viewer.HoldsLibrary());
  EXPECT_EQ(RichEditLibrary::UseCount(), 0);
  EXPECT_EQ(ClassOf(viewer.Handle()), L"Edit");
  EXPECT_EQ(viewer.Bounds(), placed);
  EXPECT_EQ(viewer.PlainText().substr(0, 11), "Hello there");
  // A plain edit shows RTF as the characters it is made of.
  viewer.SetRTFText("{\\rtf1 raw}");
  EXPECT_EQ(viewer.PlainText(), "{\\rtf1 raw}");

  viewer.SetUseRichEdit(true);
  EXPECT_TRUE(viewer.HoldsLibrary());
  EXPECT_EQ(RichEditLibrary::UseCount(), 1);
  EXPECT_TRUE(HasClass(viewer.Handle(), L"RICHEDIT50W"));
}

TEST(RichEditViewer, TextThatIsNotRtfIsShownAsPlainText) {
  TestHost host;
  TRichEditViewer viewer;
  viewer.Create(host.form, {8, 8, 300, 100});
  const struct {
    std::string in;
    std::string shown;
  } cases[] = {
      {"{\\rtf1\\ansi Dear {\\b Sir}\\par}", "Dear Sir"},
      {"Just words, no {braces} meant as RTF", "Just words, no {braces} meant as RTF"},
      {"Café “quoted” — Привет 👍", "Café “quoted” — Привет 👍"},
      {"{\\rtf1\\ansi Caf\\'e9 \\u1055?\\u1088?\\u1080? \\u-10179?\\u-9139?\\par}", "Café При 👍"},
      {"", ""},
  };
  for (const auto& c : cases) {
    viewer.SetRTFText(c.in);
    EXPECT_EQ(viewer.PlainText().substr(0, c.shown.size()), c.shown) << c.in;
  }
  // The viewer takes far more than a rich edit box's usual 32K.
  std::string big;
  while (big.size() < 40000) big += "one line of a long document, in words\r\n";
  viewer.SetRTFText(big);
  EXPECT_EQ(viewer.PlainText().size(), big.size());
}

TEST(RichEditViewer, PressingALinkOpensItOnceOnThePress) {
  TestHost host;
  host.form.Show();
  TRichEditViewer viewer;
  viewer.Create(host.form, {8, 8, 360, 120});
  std::vector<Opened> opened;
  viewer.openLink = [&](HWND owner, const std::string& target, int show) { opened.push_back({owner, target, show}); };
  const std::string before = "Visit ";
  viewer.SetRTFText("{\\rtf1\\ansi Visit http://www.example.com/quillet today.\\par}");

  const POINT onLink = PointOfChar(viewer, static_cast<int>(before.size()) + 5);
  const LPARAM at = MAKELPARAM(onLink.x, onLink.y);
  viewer.Send(WM_MOUSEMOVE, 0, at);
  EXPECT_TRUE(opened.empty()) << "moving over a link opens nothing";
  viewer.Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
  viewer.Send(WM_LBUTTONUP, 0, at);
  ASSERT_EQ(opened.size(), 1u) << "the press opens, the release does not";
  EXPECT_EQ(opened[0].target, "http://www.example.com/quillet");
  EXPECT_EQ(opened[0].owner, viewer.Handle());
  EXPECT_EQ(opened[0].show, SW_SHOWNORMAL);

  const POINT onWord = PointOfChar(viewer, 1);
  viewer.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onWord.x, onWord.y));
  viewer.Send(WM_LBUTTONUP, 0, MAKELPARAM(onWord.x, onWord.y));
  viewer.Send(WM_RBUTTONDOWN, MK_RBUTTON, at);
  viewer.Send(WM_RBUTTONUP, 0, at);
  EXPECT_EQ(opened.size(), 1u) << "plain words and other buttons open nothing";
}

TEST(RichEditViewer, ALinkNotificationOpensTheRangeItNames) {
  TestHost host;
  TRichEditViewer viewer;
  viewer.Create(host.form, {8, 8, 360, 120});
  std::vector<std::string> opened;
  viewer.openLink = [&](HWND, const std::string& target, int) { opened.push_back(target); };
  viewer.SetRTFText("Ответ 👍 mailto:quill@example.com");
  // As the control sends it, in UTF-16 units (the emoji is two, the address
  // starts at 9); 0 to -1 stands for the whole text.
  const struct {
    LONG start, end;
    UINT msg;
  } cases[] = {{0, -1, WM_LBUTTONDOWN},
               {16, 21, WM_LBUTTONDOWN},
               {6, 8, WM_LBUTTONDOWN},
               {0, -1, WM_LBUTTONUP},
               {3, 3, WM_LBUTTONDOWN}};
  for (const auto& c : cases) {
    ENLINK link{};
    link.nmhdr = {viewer.Handle(), static_cast<UINT_PTR>(viewer.Id()), EN_LINK};
    link.msg = c.msg;
    link.chrg = {c.start, c.end};
    host.form.Send(WM_NOTIFY, link.nmhdr.idFrom, reinterpret_cast<LPARAM>(&link));
  }
  EXPECT_EQ(opened, (std::vector<std::string>{"Ответ 👍 mailto:quill@example.com", "quill", "👍"}))
      << "the release is left alone, and an empty range opens nothing";
}

// A read-only viewer has nothing to type: Tab and Shift+Tab move the focus
// on to the form's other control, with the rich edit and with the plain
// edit. In a panel, where the system's controls cannot hand the key on by
// themselves (they send it to their parent, which is no dialog).
TEST(RichEditViewer, AReadOnlyViewerLetsTabMoveOn) {
  const struct { bool rich, shift; } cases[] = {{true, false}, {true, true}, {false, false}, {false, true}};
  for (const auto& c : cases) {
    TestHost host;
    Panel pane;
    pane.Create(host.form, {0, 0, 220, 110});
    TRichEditViewer viewer;
    viewer.SetUseRichEdit(c.rich);
    viewer.Create(pane, {8, 8, 200, 100});
    viewer.SetRTFText("Some text");
    Button button;
    button.Create(host.form, {8, 120, 75, 25}, "&Close");
    host.form.Show();
    viewer.SetFocus();
    ASSERT_TRUE(viewer.Focused());
    testing::PressKey(VK_TAB, c.shift);
    EXPECT_TRUE(button.Focused()) << "rich " << c.rich << ", Shift " << c.shift;
  }
}

}  // namespace
}  // namespace tq::ui
