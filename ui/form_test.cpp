#include "ui/form.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/message_loop.h"
#include "ui/panel.h"
#include "ui/rich_edit.h"
#include "ui/tab_control.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::PressKey;
using testing::TestHost;

// A dialog as the program makes them: owned by the host form, with OK and
// Cancel buttons and an edit box.
struct Dialog {
  Form form;
  Button ok, cancel;
  Edit edit;

  explicit Dialog(HWND owner) {
    form.Create({.caption = "Dialog", .width = 300, .height = 200, .owner = owner});
    edit.Create(form, {8, 8, 200, 24});
    ok.Create(form, {8, 100, 75, 25}, "OK", {.id = IDOK, .isDefault = true, .modalResult = mrOk});
    cancel.Create(form, {90, 100, 75, 25}, "Cancel", {.id = IDCANCEL, .modalResult = mrCancel});
  }
};

TEST(FormShowModal, ReturnsTheClickedButtonsResultWithTheOwnerDisabledMeanwhile) {
  TestHost host;
  host.form.Show();
  Dialog dialog(host.form.Handle());
  bool ownerEnabledDuring = true;
  dialog.ok.onClick = [&] { ownerEnabledDuring = IsWindowEnabled(host.form.Handle()); };
  PostMessageW(dialog.ok.Handle(), BM_CLICK, 0, 0);

  EXPECT_EQ(dialog.form.ShowModal(), mrOk);
  EXPECT_FALSE(ownerEnabledDuring);
  EXPECT_TRUE(IsWindowEnabled(host.form.Handle()));
  EXPECT_FALSE(dialog.form.Visible());
  EXPECT_TRUE(dialog.form) << "a modal showing hides the form, it does not destroy it";
  EXPECT_FALSE(dialog.form.IsModal());

  // The same form can be shown again.
  PostMessageW(dialog.cancel.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);
}

TEST(FormShowModal, CloseBoxAndEscapeGiveCancelAndAClickMayTakeItsResultBack) {
  TestHost host;
  Dialog dialog(host.form.Handle());
  PostMessageW(dialog.form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);
  EXPECT_TRUE(dialog.form);

  // Escape in the edit box reaches the Cancel button through the form's
  // keyboard handling.
  PostMessageW(dialog.edit.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);

  // A click handler that finds the input wrong keeps the form open.
  int clicks = 0;
  dialog.ok.onClick = [&] {
    if (++clicks == 1) dialog.form.SetModalResult(mrNone);
  };
  PostMessageW(dialog.ok.Handle(), BM_CLICK, 0, 0);
  PostMessageW(dialog.ok.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 2);
}

class RefusingForm : public Form {
 public:
  int closeAttempts = 0;

 protected:
  bool OnClose() override { return ++closeAttempts > 1; }
};

TEST(FormShowModal, ARefusedCloseKeepsTheLoopRunning) {
  TestHost host;
  RefusingForm form;
  form.Create({.caption = "Refusing", .width = 200, .height = 100, .owner = host.form.Handle()});
  PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  PostMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(form.closeAttempts, 2);
}

TEST(FormShowModal, NestedDialogsEachReturnTheirOwnResult) {
  TestHost host;
  Dialog outer(host.form.Handle());
  Dialog inner(outer.form.Handle());
  int innerResult = mrNone;
  bool outerDisabledDuringInner = false;
  inner.ok.onClick = [&] { outerDisabledDuringInner = !IsWindowEnabled(outer.form.Handle()); };
  outer.edit.onChange = [&] {
    PostMessageW(inner.ok.Handle(), BM_CLICK, 0, 0);
    innerResult = inner.form.ShowModal();
    PostMessageW(outer.cancel.Handle(), BM_CLICK, 0, 0);
  };
  PostMessageW(outer.edit.Handle(), WM_CHAR, 'x', 0);

  EXPECT_EQ(outer.form.ShowModal(), mrCancel);
  EXPECT_EQ(innerResult, mrOk);
  EXPECT_TRUE(outerDisabledDuringInner);
  EXPECT_TRUE(IsWindowEnabled(host.form.Handle()));
  EXPECT_TRUE(IsWindowEnabled(outer.form.Handle()));
}

TEST(FormShowModal, QuitEndsTheLoopAndIsPostedAgainForTheMainLoop) {
  TestHost host;
  Dialog dialog(host.form.Handle());
  PostQuitMessage(7);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);
  EXPECT_TRUE(IsWindowEnabled(host.form.Handle()));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(FormShowModal, DestroyingTheFormFromInsideEndsTheLoop) {
  TestHost host;
  Dialog dialog(host.form.Handle());
  dialog.ok.onClick = [&] { dialog.form.Destroy(); };
  dialog.ok.modalResult = mrNone;
  PostMessageW(dialog.ok.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);
  EXPECT_FALSE(dialog.form);
  EXPECT_TRUE(IsWindowEnabled(host.form.Handle()));
}

class FailingForm : public Form {
 protected:
  bool OnCreate() override { throw std::runtime_error("Error opening C:\\nowhere.qdk"); }
};

TEST(FormCreate, AnErrorInTheCreationHandlerComesOutOfCreateAndLeavesNoWindow) {
  TestHost host;
  FailingForm form;
  try {
    form.Create({.caption = "Failing", .owner = host.app.Handle()});
    FAIL() << "Create returned";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Error opening C:\\nowhere.qdk");
  }
  EXPECT_FALSE(form);
  EXPECT_EQ(FindWindowA(nullptr, "Failing"), nullptr);
}

// Alt with a label's access key focuses the control after the label; with
// a group box's, the first control inside its frame (the frame lies below
// its controls, so its place in the tab order says nothing).
TEST(FormAccessKeys, LabelsAndGroupBoxesLeadToTheirControls) {
  TestHost host;
  Form form;
  form.Create({.caption = "Keys", .width = 320, .height = 260, .owner = host.form.Handle()});
  Label nameLabel;
  Edit name, inside, after;
  CheckBox first;
  GroupBox group;
  nameLabel.Create(form, {8, 8, 100, 13}, "&Name:");
  name.Create(form, {8, 24, 200, 21});
  first.Create(form, {16, 80, 150, 17}, "&Check");
  inside.Create(form, {16, 100, 150, 21});
  group.Create(form, {8, 60, 250, 80}, "G&roup");
  after.Create(form, {8, 160, 200, 21});
  form.Show();
  const struct {
    char key;
    HWND expected;
  } cases[] = {{'n', name.Handle()}, {'r', first.Handle()}, {'n', name.Handle()}, {'c', first.Handle()}};
  after.SetFocus();
  for (const auto& c : cases) {
    PostMessageW(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(c.key), 1 << 29);
    ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), c.expected) << c.key;
  }
  EXPECT_TRUE(first.Checked()) << "a check box's own key also clicks it";
}

// Alt and a label's access key moves the focus to the box after the label,
// its text selected, as in the system's dialogs.
TEST(FormKeys, ALabelsAccessKeyFocusesTheBoxAfterIt) {
  TestHost host;
  Form form;
  form.Create({.caption = "Keys", .width = 300, .height = 200, .owner = host.app.Handle()});
  Label label;
  Edit name;
  Button button;
  label.Create(form, {8, 8, 80, 16}, "&Name:");
  name.Create(form, {90, 8, 150, 22});
  button.Create(form, {8, 60, 75, 25}, "Push");
  name.SetText("Quillet");
  form.Show();
  button.SetFocus();
  ASSERT_TRUE(button.Focused());
  // Alt+N as the keyboard delivers it: WM_SYSCHAR with the Alt bit.
  PostMessageW(button.Handle(), WM_SYSCHAR, 'n', 1 << 29);
  ProcessPendingMessages();
  EXPECT_TRUE(name.Focused());
  EXPECT_EQ(name.Selection(), std::make_pair(0, 7));
}

// A page tab's access key shows its page, as a click on the tab does, and
// the shown page's controls then answer theirs; a hidden page's do not.
TEST(FormAccessKeys, ATabsKeyShowsItsPage) {
  TestHost host;
  Form form;
  form.Create({.caption = "Tabs", .width = 320, .height = 260, .owner = host.form.Handle()});
  TabControl tabs;
  tabs.Create(form, {8, 8, 300, 180});
  Panel& first = tabs.AddPage("&First");
  Panel& second = tabs.AddPage("Se&cond");
  CheckBox onFirst, onSecond;
  onFirst.Create(first, {8, 8, 150, 17}, "&Kept");
  onSecond.Create(second, {8, 8, 150, 17}, "&Ticked");
  Button close;
  close.Create(form, {8, 200, 75, 25}, "&Done");
  int changes = 0;
  tabs.onPageChanged = [&] { ++changes; };
  form.Show();
  close.SetFocus();
  auto alt = [](char key) {
    PostMessageW(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(key), 1 << 29);
    ProcessPendingMessages();
  };

  alt('t');
  EXPECT_FALSE(onSecond.Checked()) << "a hidden page's control has no key";
  alt('C');
  EXPECT_EQ(tabs.ActivePage(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(second.Visible());
  EXPECT_FALSE(first.Visible());
  EXPECT_TRUE(tabs.Focused());
  alt('t');
  EXPECT_TRUE(onSecond.Checked()) << "the shown page's controls answer their keys";
  alt('k');
  EXPECT_FALSE(onFirst.Checked());
  alt('f');
  EXPECT_EQ(tabs.ActivePage(), 0);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(first.Visible());
  EXPECT_FALSE(second.Visible());
  alt('x');
  EXPECT_EQ(tabs.ActivePage(), 0) << "a key no tab has changes no page";
}

// Access keys beyond ASCII, as a wide window receives them: the key is the
// whole character, in either case, and the first byte of its UTF-8 is none.
TEST(FormAccessKeys, KeysBeyondAsciiChooseTheirControls) {
  TestHost host;
  Form form;
  form.Create({.caption = "Ключи", .width = 340, .height = 280, .owner = host.form.Handle()});
  Label nameLabel;
  Edit name;
  nameLabel.Create(form, {8, 8, 100, 13}, "&Имя:");
  name.Create(form, {8, 24, 200, 21});
  TabControl tabs;
  tabs.Create(form, {8, 56, 320, 150});
  tabs.AddPage("&Общие");
  tabs.AddPage("&Ελληνικά");
  tabs.AddPage("&Über");
  tabs.AddPage("&日本語");
  Button other;
  other.Create(form, {8, 220, 75, 25}, "Other");
  CheckBox fir;
  fir.Create(form, {100, 220, 100, 17}, "&Ёлка");
  form.Show();
  const struct {
    wchar_t typed;
    HWND focus;
    int page;
  } cases[] = {
      {L'ü', tabs.Handle(), 2}, {0xC3, other.Handle(), 2},  // Ã: the lead byte of Ü in UTF-8
      {L'о', tabs.Handle(), 0}, {L'o', other.Handle(), 0},  // a Latin o is another key
      {L'Ε', tabs.Handle(), 1}, {L'日', tabs.Handle(), 3}, {L'И', name.Handle(), 3},
      {L'и', name.Handle(), 3}, {L'ё', fir.Handle(), 3},
  };
  for (const auto& c : cases) {
    other.SetFocus();
    PostMessageW(GetFocus(), WM_SYSCHAR, c.typed, 1 << 29);
    ProcessPendingMessages();
    EXPECT_EQ(GetFocus(), c.focus) << static_cast<int>(c.typed);
    EXPECT_EQ(tabs.ActivePage(), c.page) << static_cast<int>(c.typed);
  }
  EXPECT_TRUE(fir.Checked()) << "a check box's key also clicks it";
}

// Characters the keyboard or an input method brings, beyond Latin-1 and
// beyond the BMP (a surrogate pair in two messages), pass the form's
// keyboard handling and reach the focused box whole.
TEST(FormKeys, TypedCharactersBeyondLatin1ReachTheFocusedBox) {
  TestHost host;
  Edit edit;
  edit.Create(host.form, {8, 8, 200, 21});
  RichEdit rich;
  rich.Create(host.form, {8, 40, 200, 80});
  host.form.Show();
  const struct {
    UINT msg;
    wchar_t unit;
  } typed[] = {{WM_CHAR, L'Ж'}, {WM_CHAR, 0xD83D}, {WM_CHAR, 0xDC4D}, {WM_CHAR, L'é'}, {WM_IME_CHAR, L'日'}};
  for (Control* box : {static_cast<Control*>(&edit), static_cast<Control*>(&rich)}) {
    box->SetFocus();
    for (const auto& t : typed) PostMessageW(box->Handle(), t.msg, t.unit, 1);
    ASSERT_TRUE(testing::PumpUntil([&] { return box->Text() == "Ж👍é日"; }, std::chrono::milliseconds(2000)))
        << box->Text();
  }
}

// Tab and Shift+Tab go round every control, the page tabs included, in both
// directions: the tabs come before the shown page's controls, as in the
// system's property sheets. Ctrl+Tab and Ctrl+Shift+Tab show the next and the
// previous page, round the ends, and a focus that was on the page left
// behind goes to the first control of the page shown.
TEST(FormKeys, TabGoesRoundThePageTabsAndCtrlTabTurnsThePages) {
  TestHost host;
  Form form;
  form.Create({.caption = "Tabs", .width = 320, .height = 260, .owner = host.form.Handle()});
  Edit before;
  before.Create(form, {8, 4, 100, 20});
  TabControl tabs;
  tabs.Create(form, {8, 28, 300, 160});
  Panel& first = tabs.AddPage("&First");
  Panel& second = tabs.AddPage("&Second");
  tabs.AddPage("&Third");
  CheckBox a, b, c;
  a.Create(first, {8, 8, 150, 17}, "&A");
  b.Create(first, {8, 30, 150, 17}, "&B");
  c.Create(second, {8, 8, 150, 17}, "&C");
  Button ok, cancel;
  ok.Create(form, {8, 200, 75, 25}, "OK", {.id = IDOK});
  cancel.Create(form, {90, 200, 75, 25}, "Cancel", {.id = IDCANCEL});
  int changes = 0;
  tabs.onPageChanged = [&] { ++changes; };
  form.Show();
  before.SetFocus();

  const std::vector<HWND> order{tabs.Handle(), a.Handle(), b.Handle(), ok.Handle(), cancel.Handle(), before.Handle()};
  for (HWND expected : order) {
    PressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), expected) << "Tab";
  }
  for (auto it = order.rbegin() + 1; it != order.rend(); ++it) {
    PressKey(VK_TAB, true);
    EXPECT_EQ(GetFocus(), *it) << "Shift+Tab";
  }
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), before.Handle()) << "Shift+Tab from the tabs";

  b.SetFocus();
  PressKey(VK_TAB, false, true);
  EXPECT_EQ(tabs.ActivePage(), 1);
  EXPECT_TRUE(second.Visible());
  EXPECT_EQ(GetFocus(), c.Handle()) << "the focus follows into the page shown";
  PressKey(VK_TAB, false, true);
  EXPECT_EQ(tabs.ActivePage(), 2);
  EXPECT_EQ(GetFocus(), tabs.Handle()) << "a page without controls leaves the focus on the tabs";
  PressKey(VK_TAB, false, true);
  EXPECT_EQ(tabs.ActivePage(), 0) << "round from the last page";
  EXPECT_EQ(GetFocus(), tabs.Handle()) << "the focus stays on the tabs";
  PressKey(VK_TAB, true, true);
  EXPECT_EQ(tabs.ActivePage(), 2) << "Ctrl+Shift+Tab back round the first page";
  ok.SetFocus();
  PressKey(VK_TAB, true, true);
  EXPECT_EQ(tabs.ActivePage(), 1) << "from a button outside the pages too";
  EXPECT_EQ(GetFocus(), ok.Handle()) << "a focus outside the pages stays";
  EXPECT_EQ(changes, 5);
}

// Ends the process with a message when the scope is not left in time: a
// keyboard loop that never returns fails the test instead of hanging it.
class Watchdog {
 public:
  explicit Watchdog(const char* what)
      : what_(what), thread_([this] {
          for (int i = 0; i < 100 && !done_; ++i) Sleep(50);
          if (!done_) {
            std::fprintf(stderr, "still inside %s after 5 s\n", what_);
            std::fflush(stderr);
            std::_Exit(3);
          }
        }) {}
  ~Watchdog() {
    done_ = true;
    thread_.join();
  }

 private:
  const char* what_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// Two docked panels, as the main window has them: the library pane and the
// first-use pane, one shown at a time.
struct TwoPaneForm {
  Form form;
  Panel library, firstUse;
  Edit tree;
  Button open;

  explicit TwoPaneForm(HWND owner) {
    form.Create({.caption = "Panes", .width = 300, .height = 200, .owner = owner});
    library.Create(form, {0, 0, 300, 200});
    firstUse.Create(form, {0, 0, 300, 200});
    tree.Create(library, {8, 8, 200, 22});
    open.Create(firstUse, {8, 60, 120, 25}, "&Open a file");
    firstUse.SetVisible(false);
    form.Show();
    tree.SetFocus();
  }
};

// Hiding the pane that holds the focus gives the focus to a visible control
// of the form: the keyboard otherwise goes on into the hidden control, and
// the dialog keys (Alt and a letter) search the hidden windows without end.
TEST(FormFocus, HidingThePaneWithTheFocusMovesItToAVisibleControl) {
  TestHost host;
  TwoPaneForm panes(host.app.Handle());
  ASSERT_TRUE(panes.tree.Focused());
  panes.library.SetVisible(false);
  panes.firstUse.SetVisible(true);
  ProcessPendingMessages();
  EXPECT_TRUE(panes.open.Focused());

  MSG alt{panes.form.Handle(), WM_SYSCHAR, 'f', 1 << 29, 0, {}};
  alt.hwnd = GetFocus() ? GetFocus() : panes.form.Handle();
  {
    Watchdog watchdog("the dialog keys after hiding the focused pane");
    panes.form.PreTranslateMessage(alt);
  }
  // A disabled control gives the focus up the same way.
  panes.open.SetEnabled(false);
  ProcessPendingMessages();
  EXPECT_EQ(GetFocus(), panes.form.Handle()) << "no other control can take it";
  panes.open.SetEnabled(true);
  EXPECT_TRUE(panes.open.Focused()) << "the first control back takes the focus from the form";
}

// Even where the focus was left on a hidden control by code outside the
// toolkit, the dialog keys come back.
TEST(FormFocus, TheDialogKeysReturnWhenTheFocusIsOnAHiddenControl) {
  TestHost host;
  TwoPaneForm panes(host.app.Handle());
  ShowWindow(panes.library.Handle(), SW_HIDE);  // behind the toolkit's back
  ShowWindow(panes.firstUse.Handle(), SW_SHOW);
  ASSERT_EQ(GetFocus(), panes.tree.Handle());
  MSG alt{panes.tree.Handle(), WM_SYSCHAR, 'f', 1 << 29, 0, {}};
  {
    Watchdog watchdog("the dialog keys with the focus on a hidden control");
    panes.form.PreTranslateMessage(alt);
  }
  EXPECT_TRUE(panes.open.Focused());
}

}  // namespace
}  // namespace tq::ui
