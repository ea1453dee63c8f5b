#include "ui/form_enhance.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::PumpUntil;
using testing::TestHost;

constexpr char kPath[] = "Software\\Morvane\\Tavrin Quillet";

// Left, top, right, bottom.
using Box = std::array<LONG, 4>;
Box Of(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// A form with its component, the placement kept in a memory store.
struct Fixture {
  std::unique_ptr<platform::KeyStore> keys = platform::NewMemoryKeyStore();
  TestHost host;
  std::optional<TFormEnhance> enhance;

  Fixture() {
    enhance.emplace(host.form, "MainForm", TFormEnhance::Storage{.keys = *keys});
    enhance->SaveName = kPath;
    enhance->SaveKey = "WS";
    enhance->SaveSize = true;
  }
  std::unique_ptr<platform::Key> Ws() {
    return keys->Open(platform::KeyRoot::CurrentUser, std::string(kPath) + "\\WS", true);
  }
  void Write(const std::vector<std::pair<std::string, std::string>>& values) {
    auto key = Ws();
    for (const auto& [name, value] : values) key->WriteString(name, value);
  }
  Box NormalRect() const {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(host.form.Handle(), &wp);
    return Of(wp.rcNormalPosition);
  }
};

RECT WorkArea() {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

TEST(FormEnhance, OnlyAFormTakesOneAndOnlyOne) {
  TestHost host;
  Wnd notAForm;
  try {
    TFormEnhance wrong(notAForm, "Panel");
    FAIL() << "a window that is no form took the component";
  } catch (const EFormEnhanceError& e) {
    EXPECT_STREQ(e.what(), "Control parent must be a form!");
  }

  const LONG_PTR original = GetWindowLongPtrW(host.form.Handle(), GWLP_WNDPROC);
  {
    TFormEnhance first(host.form, "MainForm");
    EXPECT_NE(GetWindowLongPtrW(host.form.Handle(), GWLP_WNDPROC), original) << "the form is subclassed";
    EXPECT_EQ(first.SaveKey, "MainForm Placement");
    EXPECT_EQ(first.SaveName, "\\Software\\Company\\Application");
    try {
      TFormEnhance second(host.form, "MainForm");
      FAIL() << "a second component on the same form";
    } catch (const EFormEnhanceError& e) {
      EXPECT_STREQ(e.what(), "The form already contains a TFormEnhance component!");
    }
    EXPECT_NE(GetWindowLongPtrW(host.form.Handle(), GWLP_WNDPROC), original) << "the failed one left the first alone";
  }
  EXPECT_EQ(GetWindowLongPtrW(host.form.Handle(), GWLP_WNDPROC), original) << "destruction puts the procedure back";
  TFormEnhance again(host.form, "MainForm");  // the form is free again
}

TEST(FormEnhance, CreatesTheFormsWindowWhenItHasNone) {
  Form form;
  TFormEnhance enhance(form, "Lonely");
  EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST(FormEnhance, TheHiddenWindowIsATopLevelWindowOfItsOwnClass) {
  Fixture f;
  HWND tray = f.enhance->TrayWindow();
  ASSERT_TRUE(IsWindow(tray));
  wchar_t name[64] = {};
  GetClassNameW(tray, name, 64);
  EXPECT_STREQ(name, L"TQFormEnhanceTray");
  EXPECT_TRUE(IsWindowUnicode(tray));
  EXPECT_FALSE(IsWindowVisible(tray));
  EXPECT_EQ(GetAncestor(tray, GA_PARENT), GetDesktopWindow()) << "found by EnumWindows, not message-only";
  EXPECT_EQ(SendMessageW(tray, WM_QUERYENDSESSION, 0, 0), 1);
  // A second start finds the main window just above the application window:
  // the hidden window stays below them both.
  bool belowApplication = false;
  for (HWND w = GetWindow(f.host.app.Handle(), GW_HWNDNEXT); w && !belowApplication; w = GetWindow(w, GW_HWNDNEXT))
    belowApplication = w == tray;
  EXPECT_TRUE(belowApplication);
}

// The mouse actions on the icon, posted as the shell posts them.
struct TrayMouse : Fixture {
  std::vector<std::string> events;
  int popups = 0;
  Menu popup{Menu::Kind::Popup};
  std::vector<std::string> chosen;

  TrayMouse() {
    auto name = [](MouseButton b) {
      return b == MouseButton::mbLeft ? "left" : b == MouseButton::mbRight ? "right" : "middle";
    };
    TFormEnhance& e = *enhance;
    e.IconEnabled = true;
    e.IconPopup = &popup;
    e.ShowPopup = [this](Menu& menu, HWND form, POINT at) {
      EXPECT_EQ(&menu, &popup);
      EXPECT_EQ(form, host.form.Handle());
      ++popups;
      events.push_back("popup " + std::to_string(at.x) + " " + std::to_string(at.y));
    };
    e.OnClick = [this](TFormEnhance&) { events.push_back("click"); };
    e.OnDblClick = [this](TFormEnhance&) { events.push_back("dblclick"); };
    e.OnMouseDown = [this, name](TFormEnhance&, MouseButton b, TShiftState s, int x, int y) {
      events.push_back(std::string("down ") + name(b) + " " + std::to_string(s) + " " + std::to_string(x) + " " +
                       std::to_string(y));
    };
    e.OnMouseUp = [this, name](TFormEnhance&, MouseButton b, TShiftState s, int, int) {
      events.push_back(std::string("up ") + name(b) + " " + std::to_string(s));
    };
    e.OnMouseMove = [this](TFormEnhance&, TShiftState s, int x, int y) {
      events.push_back("move " + std::to_string(s) + " " + std::to_string(x) + " " + std::to_string(y));
    };
    popup.AddItem("&Configure...", [this] { chosen.push_back("configure"); });
    const int show = popup.AddItem("&Show", [this] { chosen.push_back("show"); });
    popup.SetDefaultItem(show);
    SetCursorPos(120, 80);
  }

  // Posts the callback message as the shell does and handles it.
  void Mouse(UINT action) {
    events.clear();
    ASSERT_TRUE(PostMessageW(enhance->TrayWindow(), TFormEnhance::kCallbackMessage, 1, action));
    ProcessPendingMessages();
  }
};

TEST(FormEnhance, TheMouseActionTable) {
  TrayMouse t;
  POINT at{};
  GetCursorPos(&at);
  const std::string x = std::to_string(at.x), y = std::to_string(at.y);
  const std::string L = std::to_string(core::ssLeft), R = std::to_string(core::ssRight),
                    M = std::to_string(core::ssMiddle);
  struct Case {
    UINT action;
    std::vector<std::string> events;
    bool pressedAfter;
  } cases[] = {
      {WM_MOUSEMOVE, {"move 0 " + x + " " + y}, false},
      {WM_LBUTTONDOWN, {"down left " + L + " " + x + " " + y}, true},
      {WM_LBUTTONUP, {"click", "up left " + L}, false},
      {WM_LBUTTONUP, {"up left " + L}, false},  // no press before it: no click
      {WM_RBUTTONDOWN, {"down right " + R + " " + x + " " + y, "popup " + x + " " + y}, false},
      {WM_RBUTTONUP, {"up right " + R}, false},
      {WM_MBUTTONDOWN, {"down middle " + M + " " + x + " " + y}, false},
      {WM_MBUTTONUP, {"up middle " + M}, false},
      {WM_LBUTTONDBLCLK, {"dblclick"}, false},
      {WM_RBUTTONDBLCLK, {}, false},
      {WM_KEYDOWN, {}, false},
  };
  for (const Case& c : cases) {
    t.Mouse(c.action);
    EXPECT_EQ(t.events, c.events) << "action 0x" << std::hex << c.action;
    EXPECT_EQ(t.enhance->Pressed(), c.pressedAfter) << "action 0x" << std::hex << c.action;
  }
  EXPECT_EQ(t.chosen, (std::vector<std::string>{"show"})) << "the double click ran the menu's default item";
}

TEST(FormEnhance, ShiftStateComesFromTheKeysThatAreDown) {
  TrayMouse t;
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  BYTE pressed[256];
  std::memcpy(pressed, keys, sizeof keys);
  pressed[VK_SHIFT] = pressed[VK_CONTROL] = 0x80;
  SetKeyboardState(pressed);
  t.Mouse(WM_LBUTTONUP);
  SetKeyboardState(keys);
  ASSERT_EQ(t.events.size(), 1u);
  EXPECT_EQ(t.events[0], "up left " + std::to_string(core::ssShift | core::ssCtrl | core::ssLeft));
}

TEST(FormEnhance, LeftPressPopsUpTheMenuOnlyWithIconLeftPopup) {
  TrayMouse t;
  t.Mouse(WM_LBUTTONDOWN);
  EXPECT_EQ(t.popups, 0);
  t.enhance->IconLeftPopup = true;
  t.Mouse(WM_LBUTTONDOWN);
  EXPECT_EQ(t.popups, 1);
  EXPECT_TRUE(t.enhance->Pressed());

  // The menu opens from the left button: a double click runs no default item.
  t.Mouse(WM_LBUTTONDBLCLK);
  EXPECT_EQ(t.events, (std::vector<std::string>{"dblclick"}));
  EXPECT_TRUE(t.chosen.empty());

  t.enhance->IconPopup = nullptr;  // no menu: nothing to pop up or run
  t.Mouse(WM_RBUTTONDOWN);
  t.enhance->IconLeftPopup = false;
  t.Mouse(WM_LBUTTONDBLCLK);
  EXPECT_EQ(t.popups, 1);
  EXPECT_TRUE(t.chosen.empty());
}

TEST(FormEnhance, DoubleClickWithoutADefaultItemRunsNothing) {
  TrayMouse t;
  Menu plain(Menu::Kind::Popup);
  plain.AddItem("&Show", [&] { t.chosen.push_back("plain"); });
  t.enhance->IconPopup = &plain;
  t.Mouse(WM_LBUTTONDBLCLK);
  EXPECT_EQ(t.events, (std::vector<std::string>{"dblclick"}));
  EXPECT_TRUE(t.chosen.empty());
}

TEST(FormEnhance, NothingHappensWhileTheIconIsDisabled) {
  TrayMouse t;
  t.enhance->IconEnabled = false;
  t.enhance->IconLeftPopup = true;
  for (UINT action : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONUP,
                      WM_MBUTTONDOWN, WM_MBUTTONUP}) {
    t.Mouse(action);
    EXPECT_TRUE(t.events.empty()) << "action 0x" << std::hex << action;
    EXPECT_FALSE(t.enhance->Pressed());
  }
  t.enhance->PopupAtCursor();
  EXPECT_EQ(t.popups, 0);
  EXPECT_TRUE(t.chosen.empty());

  t.enhance->IconEnabled = true;
  t.enhance->PopupAtCursor();
  EXPECT_EQ(t.popups, 1);
}

TEST(FormEnhance, SizeLimitsOverrideTheComputedTrackingSizes) {
  Fixture f;
  MINMAXINFO info{};
  info.ptMaxTrackSize = {1500, 1200};
  info.ptMinTrackSize = {112, 27};
  f.host.form.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, 1500) << "0 is no limit";
  EXPECT_EQ(info.ptMinTrackSize.y, 27);

  f.enhance->MaxSize = {600, 0};
  f.enhance->MinSize = {0, 250};
  f.host.form.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, 600);
  EXPECT_EQ(info.ptMaxTrackSize.y, 1200);
  EXPECT_EQ(info.ptMinTrackSize.x, 112);
  EXPECT_EQ(info.ptMinTrackSize.y, 250);

  // Windows keeps a resized form within them.
  SetWindowPos(f.host.form.Handle(), nullptr, 0, 0, 900, 100, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  RECT r{};
  GetWindowRect(f.host.form.Handle(), &r);
  EXPECT_EQ(r.right - r.left, 600);
  EXPECT_EQ(r.bottom - r.top, 250);
}

// A drop as the shell makes it: a DROPFILES header and the names, each ended
// by a zero, the list ended by another.
HDROP MakeDrop(const std::vector<std::string>& names, POINT pt) {
  size_t chars = 2;  // room for the list's last zero
  for (const std::string& n : names) chars += n.size() + 1;
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->pt = pt;
  header->fNC = FALSE;
  header->fWide = FALSE;
  char* text = reinterpret_cast<char*>(header) + sizeof(DROPFILES);
  for (const std::string& n : names) {
    std::memcpy(text, n.c_str(), n.size() + 1);
    text += n.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST(FormEnhance, DroppedFilesArriveAsAListWithThePoint) {
  Fixture f;
  std::vector<std::vector<std::string>> drops;
  POINT where{};
  f.enhance->OnDropFiles = [&](const std::vector<std::string>& files, POINT pos) {
    drops.push_back(files);
    where = pos;
  };
  f.enhance->SetAcceptFiles(true);
  EXPECT_TRUE(GetWindowLongW(f.host.form.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);

  const std::string longName = "C:\\" + std::string(250, 'n') + "\\r.qdk";  // 259 characters
  f.host.form.Send(WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDrop({"C:\\Replies\\a.qdk", "C:\\b c.txt", longName}, {31, 17})));
  ASSERT_EQ(drops.size(), 1u);
  EXPECT_EQ(drops[0], (std::vector<std::string>{"C:\\Replies\\a.qdk", "C:\\b c.txt", longName}))
      << "names come whole, however long";
  EXPECT_EQ(where.x, 31);
  EXPECT_EQ(where.y, 17);

  f.enhance->SetAcceptFiles(false);
  EXPECT_FALSE(GetWindowLongW(f.host.form.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST(FormEnhance, TrayCallsAddChangeAndRemoveTheIcon) {
  Fixture f;
  TFormEnhance& e = *f.enhance;
  e.SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
  ASSERT_NE(e.Icon(), nullptr);
  EXPECT_NE(e.Icon(), LoadIconW(nullptr, IDI_APPLICATION)) << "the image is copied";
  e.SetIconHint(std::string(80, 'h'));
  e.SetIconShowHint(true);

  EXPECT_TRUE(e.ShowIcon());
  EXPECT_TRUE(e.IconVisible());
  EXPECT_FALSE(e.ShowIcon()) << "the icon is there already";
  EXPECT_TRUE(e.ModifyIcon());
  e.SetIconVisible(false);
  EXPECT_FALSE(e.IconVisible());
  EXPECT_FALSE(e.HideIcon()) << "nothing to remove";
  EXPECT_FALSE(e.ModifyIcon()) << "nothing to change";
  e.SetIconVisible(true);
  EXPECT_TRUE(e.ModifyIcon());
  // Destruction removes the icon.
}

struct Animation : Fixture {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 3, 0);
  std::vector<int> reported;

  Animation() {
    for (LPCWSTR id : {IDI_APPLICATION, IDI_WARNING, IDI_INFORMATION}) ImageList_AddIcon(images, LoadIconW(nullptr, id));
    enhance->IconList = images;
    enhance->OnCycle = [this](TFormEnhance&, int current) { reported.push_back(current); };
  }
  ~Animation() {
    enhance.reset();
    ImageList_Destroy(images);
  }
};

TEST(FormEnhance, AnimationStepsThroughTheImageList) {
  Animation a;
  std::vector<HICON> shown;
  a.enhance->OnCycle = [&](TFormEnhance& sender, int current) {
    a.reported.push_back(current);
    shown.push_back(sender.Icon());
  };
  for (int i = 0; i < 5; ++i) a.enhance->CycleIcon();
  EXPECT_EQ(a.reported, (std::vector<int>{0, 1, 2, 0, 1}));
  ASSERT_EQ(shown.size(), 5u);
  EXPECT_NE(shown[0], nullptr) << "the image is in Icon before OnCycle";

  a.enhance->SetIconCycle(true);  // starts again at the first image
  EXPECT_EQ(a.enhance->AnimationIndex(), 0);
  a.enhance->SetIconCycle(false);

  Animation none;
  none.enhance->IconList = nullptr;
  none.enhance->CycleIcon();
  EXPECT_TRUE(none.reported.empty()) << "no image list, no step";
}

TEST(FormEnhance, TheTimerRunsTheAnimationWhileIconCycleIsSet) {
  Animation a;
  a.enhance->SetIconCycle(true);
  EXPECT_FALSE(PumpUntil([&] { return !a.reported.empty(); }, std::chrono::milliseconds(200)))
      << "an interval of 0 keeps it still";
  a.enhance->SetIconInterval(15);
  ASSERT_TRUE(PumpUntil([&] { return a.reported.size() >= 4; }));
  a.enhance->SetIconCycle(false);
  EXPECT_EQ(std::vector<int>(a.reported.begin(), a.reported.begin() + 4), (std::vector<int>{0, 1, 2, 0}));
  const size_t stopped = a.reported.size();
  PumpUntil([] { return false; }, std::chrono::milliseconds(100));
  EXPECT_EQ(a.reported.size(), stopped);
}

TEST(FormEnhance, PlacementIsRestoredWithinTheWorkArea) {
  const RECT work = WorkArea();
  ASSERT_GE(work.right - work.left, 600) << "the screen of the window tests is 1024 by 768";
  struct Case {
    std::vector<std::pair<std::string, std::string>> stored;
    Box expected;
    const char* what;
  } cases[] = {
      {{{"Left", "50"}, {"Top", "40"}, {"Right", "500"}, {"Bottom", "400"}}, {50, 40, 500, 400}, "used as it is"},
      {{{"Left", "-30"}, {"Top", "40"}, {"Right", "400"}, {"Bottom", "400"}},
       {work.left + 5, 40, work.left + 435, 400},
       "moved in from the left"},
      {{{"Left", std::to_string(work.right - 4)}, {"Top", "40"}, {"Right", "1500"}, {"Bottom", "400"}},
       {100, 100, 400, 300},
       "beyond the work area (1020 on a 1024 wide screen): kept"},
      {{{"Left", "x50"}, {"Top", "60"}}, {100, 60, 400, 300}, "not an integer or missing: the current value"},
  };
  for (const Case& c : cases) {
    Fixture f;
    SetWindowPos(f.host.form.Handle(), nullptr, 100, 100, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    f.Write(c.stored);
    f.enhance->LoadPlacement();
    EXPECT_EQ(f.NormalRect(), c.expected) << c.what;
    EXPECT_FALSE(IsZoomed(f.host.form.Handle())) << c.what;
  }
}

TEST(FormEnhance, WithoutSaveSizeOnlyThePositionTravels) {
  Fixture f;
  f.enhance->SaveSize = false;
  SetWindowPos(f.host.form.Handle(), nullptr, 70, 60, 330, 220, SWP_NOZORDER | SWP_NOACTIVATE);
  f.enhance->StorePlacement();
  auto ws = f.Ws();
  EXPECT_EQ(ws->ReadString("Left"), "70");
  EXPECT_EQ(ws->ReadString("Top"), "60");
  EXPECT_EQ(ws->ReadString("Maximized"), "0");
  EXPECT_FALSE(ws->ValueExists("Right"));
  EXPECT_FALSE(ws->ValueExists("Bottom"));

  f.Write({{"Left", "20"}, {"Top", "30"}, {"Right", "900"}, {"Bottom", "700"}});
  f.enhance->LoadPlacement();
  EXPECT_EQ(f.NormalRect(), (Box{20, 30, 350, 250})) << "the size stays as it is";
}

TEST(FormEnhance, AMaximizedFormComesBackMaximizedOverItsNormalRectangle) {
  {
    Fixture f;
    SetWindowPos(f.host.form.Handle(), nullptr, 60, 50, 420, 330, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(f.host.form.Handle(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(f.host.form.Handle()));
    f.host.form.Destroy();  // saved as the window goes
    auto ws = f.Ws();
    EXPECT_EQ(ws->ReadString("Left"), "60");
    EXPECT_EQ(ws->ReadString("Top"), "50");
    EXPECT_EQ(ws->ReadString("Right"), "480");
    EXPECT_EQ(ws->ReadString("Bottom"), "380");
    EXPECT_EQ(ws->ReadString("Maximized"), "1");
  }
  Fixture f;
  f.Write({{"Left", "60"}, {"Top", "50"}, {"Right", "480"}, {"Bottom", "380"}, {"Maximized", "1"}});
  f.enhance->LoadPlacement();
  EXPECT_FALSE(IsWindowVisible(f.host.form.Handle())) << "restoring does not show the form";
  EXPECT_EQ(f.NormalRect(), (Box{60, 50, 480, 380}));

  // Stored again before it was ever shown, it is still maximized.
  f.enhance->StorePlacement();
  EXPECT_EQ(f.Ws()->ReadString("Maximized"), "1");

  f.host.form.Show();
  EXPECT_TRUE(IsZoomed(f.host.form.Handle()));
  EXPECT_EQ(f.NormalRect(), (Box{60, 50, 480, 380}));
  ShowWindow(f.host.form.Handle(), SW_RESTORE);
  RECT r{};
  GetWindowRect(f.host.form.Handle(), &r);
  EXPECT_EQ(Of(r), (Box{60, 50, 480, 380})) << "restoring gives the saved rectangle";
}

TEST(FormEnhance, AVisibleFormIsMaximizedAtOnceAndUnmaximizedByANormalPlacement) {
  Fixture f;
  f.host.form.Show();
  f.Write({{"Left", "40"}, {"Top", "30"}, {"Right", "440"}, {"Bottom", "330"}, {"Maximized", "1"}});
  f.enhance->LoadPlacement();
  EXPECT_TRUE(IsZoomed(f.host.form.Handle()));
  f.Write({{"Maximized", "0"}});
  f.enhance->LoadPlacement();
  EXPECT_FALSE(IsZoomed(f.host.form.Handle()));
  EXPECT_EQ(f.NormalRect(), (Box{40, 30, 440, 330}));
}

TEST(FormEnhance, PlacementIsSavedAtTheEndOfTheSessionUnlessSavePlacementIsOff) {
  Fixture f;
  SetWindowPos(f.host.form.Handle(), nullptr, 10, 20, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  f.enhance->SavePlacement = false;
  f.host.form.Send(WM_QUERYENDSESSION, 0, 0);
  EXPECT_FALSE(f.Ws()->ValueExists("Left"));

  f.enhance->SavePlacement = true;
  EXPECT_EQ(f.host.form.Send(WM_QUERYENDSESSION, 0, 0), 1) << "the form's own answer is kept";
  EXPECT_EQ(f.Ws()->ReadString("Left"), "10");
  EXPECT_EQ(f.Ws()->ReadString("Bottom"), "120");

  f.enhance->SaveKey.clear();  // nowhere to save
  SetWindowPos(f.host.form.Handle(), nullptr, 15, 20, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  f.host.form.Send(WM_QUERYENDSESSION, 0, 0);
  EXPECT_EQ(f.Ws()->ReadString("Left"), "10");
}

TEST(FormEnhance, TheIniVariantKeepsThePlacementInAFileBesideTheProgram) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string folder = temp;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  const std::string file = folder + "\\FormEnhanceTest.ini";
  DeleteFileA(file.c_str());

  TestHost host;
  TFormEnhance e(host.form, "Options", {.programFolder = folder});
  e.UseIniFile = true;
  e.SaveSize = true;
  e.SaveName = "FormEnhanceTest.ini";
  SetWindowPos(host.form.Handle(), nullptr, 30, 40, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  e.StorePlacement();
  char value[32] = {};
  GetPrivateProfileStringA("Options Placement", "Right", "", value, sizeof value, file.c_str());
  EXPECT_STREQ(value, "330");

  // A rectangle past the screen's right and bottom edges moves back onto it.
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  WritePrivateProfileStringA("Options Placement", "Left", std::to_string(screenW - 100).c_str(), file.c_str());
  WritePrivateProfileStringA("Options Placement", "Right", std::to_string(screenW + 200).c_str(), file.c_str());
  WritePrivateProfileStringA("Options Placement", "Top", std::to_string(screenH - 50).c_str(), file.c_str());
  WritePrivateProfileStringA("Options Placement", "Bottom", std::to_string(screenH + 150).c_str(), file.c_str());
  e.LoadPlacement();
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(host.form.Handle(), &wp);
  EXPECT_EQ(Of(wp.rcNormalPosition), (Box{screenW - 300, screenH - 200, screenW, screenH}));
  DeleteFileA(file.c_str());
}

}  // namespace
}  // namespace tq::ui
