#include "app/about/about_windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/about/about_form.h"
#include "app/about/readme_form.h"
#include "app/about/splash_form.h"
#include "app/about/tray_reminder_form.h"
#include "app/core/about_layout.h"
#include "app/resources/picture_ids.h"
#include "ui/rich_edit_library.h"
#include "ui/test_hints.h"
#include "ui/test_host.h"
#include "ui/test_message_boxes.h"
#include "ui/timer.h"

namespace tq::app {
namespace {

using ui::testing::MessageBoxAnswerer;
using ui::testing::TestHost;

struct Search {
  std::string text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchShown(HWND hwnd, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  if (IsWindowVisible(hwnd) && s->text == text) s->found = hwnd;
  return TRUE;
}

BOOL CALLBACK MatchText(HWND hwnd, LPARAM p) {
  auto* s = reinterpret_cast<Search*>(p);
  char text[256] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  if (s->text != text) return TRUE;
  s->found = hwnd;
  return FALSE;
}

// A visible top-level window of this thread with this caption, or null.
HWND FindShown(const std::string& caption) {
  Search search{caption};
  EnumThreadWindows(GetCurrentThreadId(), &MatchShown, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The child window with this text, searched through every level.
HWND FindChild(HWND parent, const std::string& text) {
  Search search{text};
  EnumChildWindows(parent, &MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

SIZE ClientSize(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  return {r.right, r.bottom};
}

// Runs `step` once, from inside a modal loop, as soon as the window with
// `caption` is shown.
class WhenShown {
 public:
  WhenShown(std::string caption, std::function<void(HWND)> step)
      : caption_(std::move(caption)), step_(std::move(step)) {
    timer_.onTimer = [this] {
      if (HWND hwnd = FindShown(caption_)) {
        timer_.Stop();
        seen = true;
        step_(hwnd);
      }
    };
    timer_.Start(20);
  }
  bool seen = false;

 private:
  std::string caption_;
  std::function<void(HWND)> step_;
  ui::Timer timer_;
};

void Click(HWND button) {
  SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

// A folder of its own for one test, removed afterwards.
struct TempFolder {
  std::filesystem::path path;
  TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    path = std::filesystem::path(base) / ("tq_about_" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string str() const { return path.string(); }
  void Write(const std::string& name, const std::string& data) const {
    std::ofstream(path / name, std::ios::binary) << data;
  }
};

TEST(AboutForm, ShowsTitleVersionFromTheResourceNoticeAndProductLink) {
  TestHost host;
  TAboutForm about(host.form.Handle());
  about.Show();
  EXPECT_EQ(about.Text(), "About Tavrin Quillet");
  EXPECT_EQ(about.TitleLabel.Text(), "Tavrin Quillet");
  EXPECT_EQ(about.VersionLabel.Text(), "Version 3 - Minor Build: 0.1.0") << "this program's resource says 3.0.1.0";
  EXPECT_EQ(about.NoticeLabel.Text(), "Copyright \xC2\xA9 2026 Morvane. All rights reserved.");
  EXPECT_EQ(about.ProductURLLabel.Text(), "www.morvane.com/quillet/");
  EXPECT_EQ(about.ProductURLLabel.URL, "http://www.morvane.com/quillet/");
  LOGFONTA lf{};
  GetObjectA(about.TitleLabel.Font(), sizeof lf, &lf);
  EXPECT_GE(lf.lfWeight, FW_BOLD);

  // The picture sets the height: its panel, the title and button panels;
  // it is shown scaled like the rest and centred.
  ASSERT_FALSE(about.AboutImage.Empty());
  const AboutLayout layout = LayoutAbout({372, 96}, about.Dpi());
  const SIZE client = ClientSize(about.Handle());
  EXPECT_EQ(client.cx, layout.client.width);
  EXPECT_EQ(client.cy, layout.client.height);
  EXPECT_EQ(about.AboutImage.PictureSize(), layout.picture);
  EXPECT_EQ(about.ImagePanel.Bounds().height, layout.imagePanel.height());
  const ui::Rect image = about.AboutImage.Bounds();
  EXPECT_EQ(image.width, layout.picture.width);
  EXPECT_NEAR(image.x * 2 + image.width, client.cx, 1) << "centred";
  EXPECT_LE(about.CloseBtn.Bounds().bottom(), client.cy);
}

TEST(AboutForm, ThePictureOpensTheHomePageAndTheLinkTheProductPage) {
  TestHost host;
  TAboutForm about(host.form.Handle());
  std::vector<std::string> opened;
  about.openURL = [&](HWND owner, const std::string& url, int show) {
    EXPECT_EQ(owner, about.Handle());
    EXPECT_EQ(show, SW_SHOWNORMAL);
    opened.push_back(url);
  };
  about.ProductURLLabel.openURL = [&](HWND owner, const std::string& url, int) {
    EXPECT_EQ(owner, about.Handle());
    opened.push_back(url);
  };
  about.Show();
  about.AboutImage.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  about.AboutImage.Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  about.ProductURLLabel.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  about.ProductURLLabel.Send(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(opened, (std::vector<std::string>{"http://www.morvane.com/quillet/", "http://www.morvane.com/quillet/"}));
  const auto hints = ui::testing::ThreadHints();
  const std::pair<HWND, std::string> pictureHint{about.AboutImage.Handle(), "http://www.morvane.com/quillet/"};
  EXPECT_NE(std::find(hints.begin(), hints.end(), pictureHint), hints.end()) << "the picture's hint is the home page";
}

TEST(AboutForm, AMissingDocumentShowsTheErrorAndNoViewer) {
  TestHost host;
  TempFolder empty;
  TAboutForm about(host.form.Handle());
  about.documentFolder = empty.str();
  about.Show();
  MessageBoxAnswerer answerer;
  bool viewerShown = false;
  WhenShown watch("Important Information", [&](HWND hwnd) {
    viewerShown = true;
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  });
  for (ui::Button* button : {&about.ReadmeBtn, &about.LicenseBtn}) Click(button->Handle());
  ASSERT_EQ(answerer.seen.size(), 2u);
  const std::string expected[] = {"Cannot open file \"" + empty.str() + "\\Readme.RTF\".",
                                  "Cannot open file \"" + empty.str() + "\\License.RTF\"."};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(answerer.seen[i].text.substr(0, expected[i].size()), expected[i]);
    EXPECT_GT(answerer.seen[i].text.size(), expected[i].size()) << "with the system's reason";
  }
  ui::testing::PumpUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_FALSE(viewerShown);
  EXPECT_TRUE(about.Visible()) << "the About dialog stays";
}

TEST(AboutForm, EachButtonShowsItsDocumentInTheViewer) {
  TestHost host;
  TempFolder folder;
  folder.Write("Readme.RTF", "{\\rtf1\\ansi Read {\\b me} first.\\par}");
  folder.Write("License.RTF", "{\\rtf1\\ansi Licence {\\i terms}.\\par}");
  TAboutForm about(host.form.Handle());
  about.documentFolder = folder.str();
  about.Show();
  const struct {
    ui::Button* button;
    const char* text;
  } cases[] = {{&about.ReadmeBtn, "Read me first."}, {&about.LicenseBtn, "Licence terms."}};
  for (const auto& c : cases) {
    std::string shown;
    SIZE size{};
    WhenShown watch("Important Information", [&](HWND hwnd) {
      RECT r{};
      GetWindowRect(hwnd, &r);
      size = {r.right - r.left, r.bottom - r.top};
      HWND view = GetWindow(hwnd, GW_CHILD);
      char text[256] = {};
      GetWindowTextA(view, text, sizeof text);
      shown = text;
      PostMessageA(hwnd, WM_CLOSE, 0, 0);
    });
    Click(c.button->Handle());
    EXPECT_TRUE(watch.seen);
    EXPECT_EQ(shown.substr(0, std::string(c.text).size()), c.text);
    EXPECT_EQ(size.cx, about.Scale(337));
    EXPECT_EQ(size.cy, about.Scale(379));
  }
  EXPECT_EQ(ui::RichEditLibrary::UseCount(), 0) << "the viewer was destroyed with its window";
}

TEST(ReadmeForm, TheShippedDocumentsAreRichTextThatTheViewerReads) {
  TestHost host;
  for (const char* name : {"Readme.RTF", "License.RTF"}) {
    TReadmeForm viewer(host.form.Handle());
    viewer.LoadFile(std::string(TQ_ABOUT_RESOURCES) + "/" + name);
    const std::string text = viewer.ViewRichEdit.PlainText();
    EXPECT_EQ(text.find("{\\rtf"), std::string::npos) << name << " was read as RTF, not shown as code";
    EXPECT_NE(text.find("Tavrin Quillet"), std::string::npos) << name;
    EXPECT_GT(text.size(), 1000u) << name;
  }
}

TEST(TrayReminder, TheBoxTellsWhetherToShowItAgain) {
  TestHost host;
  const struct {
    bool untick;
    bool closeBox;  // the close box instead of OK
    bool expected;
  } cases[] = {{false, false, true}, {true, false, false}, {false, true, true}, {true, true, false}};
  for (const auto& c : cases) {
    WhenShown watch("Reminder", [&](HWND hwnd) {
      // As the user does it: the button's own click toggles the box.
      if (c.untick) SendMessageA(FindChild(hwnd, "&Show the reminder again"), BM_CLICK, 0, 0);
      if (c.closeBox) {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
      } else {
        SendMessageA(FindChild(hwnd, "&OK"), BM_CLICK, 0, 0);
      }
    });
    EXPECT_EQ(ShowTrayReminder(host.form.Handle()), c.expected) << c.untick << c.closeBox;
    EXPECT_TRUE(watch.seen);
  }
}

TEST(TrayReminder, LaysOutItsTextPictureBoxAndButton) {
  TestHost host;
  TTrayReminderForm reminder(host.form.Handle());
  EXPECT_EQ(reminder.Text(), "Reminder");
  const SIZE client = ClientSize(reminder.Handle());
  EXPECT_EQ(client.cx, reminder.Scale(421));
  EXPECT_EQ(client.cy, reminder.Scale(131));
  EXPECT_EQ(reminder.ReminderImage.PictureSize(), (Size{115, 58}));
  EXPECT_TRUE(reminder.ShowCheck.Checked());
  EXPECT_EQ(reminder.ShowCheck.Text(), "&Show the reminder again");
  EXPECT_EQ(reminder.OKBtn.Text(), "&OK");
  EXPECT_EQ(reminder.TextLabel.Text(),
            "The application will be hidden in the system tray (the area on the taskbar near the clock) for easy "
            "access at any time.  To activate it either press the hotkey you define or double click the icon in the "
            "system tray.");
  // Every control inside the client area.
  for (const ui::Wnd* w : std::initializer_list<const ui::Wnd*>{&reminder.ReminderImage, &reminder.TextLabel,
                                                                &reminder.ShowCheck, &reminder.OKBtn}) {
    const ui::Rect b = w->Bounds();
    EXPECT_GE(b.x, 0);
    EXPECT_LE(b.right(), client.cx);
    EXPECT_LE(b.bottom(), client.cy);
  }
  // Centred on the screen's work area.
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const ui::Rect b = reminder.Bounds();
  EXPECT_NEAR(b.x * 2 + b.width, work.left + work.right, 1);
  EXPECT_NEAR(b.y * 2 + b.height, work.top + work.bottom, 1);
}

TEST(AboutWindows, EscapeClosesTheAboutDialogTheViewerAndTheReminder) {
  TestHost host;
  TAboutForm about(host.app.Handle());
  TReadmeForm viewer(host.app.Handle());
  TTrayReminderForm reminder(host.app.Handle());
  for (ui::Form* form : std::initializer_list<ui::Form*>{&about, &viewer, &reminder}) {
    const std::string caption = form->Text();
    const HWND hwnd = form->Handle();
    form->Show();
    ASSERT_TRUE(IsWindowVisible(hwnd)) << caption;
    const HWND focus = GetFocus();
    PostMessageA(focus && IsChild(hwnd, focus) ? focus : hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(ui::testing::PumpUntil([&] { return !IsWindow(hwnd); }, std::chrono::milliseconds(2000))) << caption;
  }
}

TEST(Picture, TakesTheSizeOfItsBitmapAndStaysEmptyWithoutOne) {
  TestHost host;
  Picture picture;
  picture.Create(host.form, 4, 4);
  EXPECT_FALSE(picture.Load(9999)) << "no such resource";
  EXPECT_TRUE(picture.Empty());
  EXPECT_EQ(picture.PictureSize(), (Size{0, 0}));
  EXPECT_EQ(picture.Bounds().width, 0);
  bool drawn = false;
  picture.Draw([&](HDC, Size) { drawn = true; });
  EXPECT_FALSE(drawn) << "nothing to draw on";

  ASSERT_TRUE(picture.Load(TQ_REMINDER_PICTURE));
  EXPECT_EQ(picture.PictureSize(), (Size{115, 58}));
  EXPECT_EQ(picture.Bounds(), (ui::Rect{host.form.Scale(4), host.form.Scale(4), 115, 58}));
  EXPECT_FALSE(picture.Load(9999));
  EXPECT_EQ(picture.Bounds().width, 0) << "a failed load leaves no old picture behind";
}

TEST(Splash, ShowsThePictureWithItsBuildLineAndClosesItselfWithResult1) {
  TestHost host;
  TSplashForm splash(host.form.Handle());
  // The picture as stored, to see what the window drew on it.
  Picture plain;
  plain.Create(host.form, 0, 0);
  ASSERT_TRUE(plain.Load(TQ_SPLASH_PICTURE));
  const Size size = plain.PictureSize();

  int darkAdded = -1;
  WhenShown watch("", [&](HWND hwnd) {
    if (hwnd != splash.Handle()) return;
    EXPECT_TRUE(splash.Timer.Running());
    EXPECT_EQ(splash.Timer.Interval(), 2000u);
    const SIZE client = ClientSize(hwnd);
    EXPECT_EQ(client.cx, size.width);
    EXPECT_EQ(client.cy, size.height);
    EXPECT_FALSE(GetWindowLongA(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    RECT work{}, at{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(hwnd, &at);
    EXPECT_NEAR(at.left + at.right, work.left + work.right, 1) << "centred on the screen";
    EXPECT_NEAR(at.top + at.bottom, work.top + work.bottom, 1);
    // Dark pixels where the build line goes that the stored picture lacks.
    darkAdded = 0;
    HDC shown = GetDC(hwnd);
    HDC stored = GetDC(plain.Handle());
    for (int y = size.height - 24; y < size.height - 10; ++y) {
      for (int x = 210; x < size.width && x < 360; ++x) {
        const bool darkNow = GetRValue(GetPixel(shown, x, y)) < 90;
        const bool darkBefore = GetRValue(GetPixel(stored, x, y)) < 90;
        if (darkNow && !darkBefore) ++darkAdded;
      }
    }
    ReleaseDC(plain.Handle(), stored);
    ReleaseDC(hwnd, shown);
  });
  EXPECT_EQ(splash.ShowModal(), 1);
  EXPECT_TRUE(watch.seen);
  EXPECT_GT(darkAdded, 40) << "the build line \"(Minor Build: 0.1.0)\" is drawn";
}

}  // namespace
}  // namespace tq::app
