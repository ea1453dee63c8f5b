#include "ui/form.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/button.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/message_loop.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

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
  PostMessageA(dialog.ok.Handle(), BM_CLICK, 0, 0);

  EXPECT_EQ(dialog.form.ShowModal(), mrOk);
  EXPECT_FALSE(ownerEnabledDuring);
  EXPECT_TRUE(IsWindowEnabled(host.form.Handle()));
  EXPECT_FALSE(dialog.form.Visible());
  EXPECT_TRUE(dialog.form) << "a modal showing hides the form, it does not destroy it";
  EXPECT_FALSE(dialog.form.IsModal());

  // The same form can be shown again.
  PostMessageA(dialog.cancel.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);
}

TEST(FormShowModal, CloseBoxAndEscapeGiveCancelAndAClickMayTakeItsResultBack) {
  TestHost host;
  Dialog dialog(host.form.Handle());
  PostMessageA(dialog.form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);
  EXPECT_TRUE(dialog.form);

  // Escape in the edit box reaches the Cancel button through the form's
  // keyboard handling.
  PostMessageA(dialog.edit.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(dialog.form.ShowModal(), mrCancel);

  // A click handler that finds the input wrong keeps the form open.
  int clicks = 0;
  dialog.ok.onClick = [&] {
    if (++clicks == 1) dialog.form.SetModalResult(mrNone);
  };
  PostMessageA(dialog.ok.Handle(), BM_CLICK, 0, 0);
  PostMessageA(dialog.ok.Handle(), BM_CLICK, 0, 0);
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
  PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
  PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
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
    PostMessageA(inner.ok.Handle(), BM_CLICK, 0, 0);
    innerResult = inner.form.ShowModal();
    PostMessageA(outer.cancel.Handle(), BM_CLICK, 0, 0);
  };
  PostMessageA(outer.edit.Handle(), WM_CHAR, 'x', 0);

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
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(FormShowModal, DestroyingTheFormFromInsideEndsTheLoop) {
  TestHost host;
  Dialog dialog(host.form.Handle());
  dialog.ok.onClick = [&] { dialog.form.Destroy(); };
  dialog.ok.modalResult = mrNone;
  PostMessageA(dialog.ok.Handle(), BM_CLICK, 0, 0);
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
    PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(c.key), 1 << 29);
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
  PostMessageA(button.Handle(), WM_SYSCHAR, 'n', 1 << 29);
  ProcessPendingMessages();
  EXPECT_TRUE(name.Focused());
  EXPECT_EQ(name.Selection(), std::make_pair(0, 7));
}

}  // namespace
}  // namespace tq::ui
