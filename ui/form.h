// Form: a top-level window of the program (the main window, a dialog). It
// owns its font and keyboard shortcuts, dispatches its menu bar's commands,
// remembers which control had the focus, and can run modally: ShowModal
// disables the owner, runs a nested message loop until a modal result is set
// (by a button, by code, or mrCancel from the close box) and returns it.
#pragma once

#include <windows.h>

#include <string>

#include "ui/handles.h"
#include "ui/wnd.h"

namespace tq::ui {

class Menu;

// Modal results, the values of the standard dialog buttons.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;
inline constexpr int mrAbort = IDABORT;
inline constexpr int mrRetry = IDRETRY;
inline constexpr int mrIgnore = IDIGNORE;
inline constexpr int mrYes = IDYES;
inline constexpr int mrNo = IDNO;

struct FormArgs {
  std::string caption;
  // Outer size and position in layout pixels (96 dpi); a size of 0 or an
  // unset position leaves the choice to Windows.
  int width = 0;
  int height = 0;
  bool defaultPosition = true;
  int x = 0;
  int y = 0;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  HWND owner = nullptr;
};

class Form : public Wnd {
 public:
  Form() = default;
  ~Form() override;

  // The window class's icon is the program's icon resource 1 when it has one.
  void Create(const FormArgs& args);

  void Show();  // shows and brings to the front
  // Shows and brings to the front with the keyboard focus on `control`, or,
  // when it cannot hold the focus, on the first control in Tab order. The
  // form's activation, now or later, keeps this choice.
  void ShowFocused(const Wnd& control);
  void Hide();
  // Asks the form to close, as its close box does.
  void Close();

  int ShowModal();
  bool IsModal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Attaches a menu bar (not owned; it must outlive the window or be detached
  // with nullptr) and makes its shortcuts work while this form is active.
  void SetMenu(Menu* menu);
  Menu* MainMenu() const { return menu_; }

  // Shortcuts and dialog keys for a message meant for this form or one of its
  // controls; true when the message was consumed.
  bool PreTranslateMessage(MSG& msg);

  // Keeps the keyboard focus, while it is on this form, on a control that is
  // visible and enabled: the first one in Tab order when the focused control
  // was hidden or disabled, the form itself when there is none. The system's
  // dialog keys never return when they start from a hidden control inside a
  // hidden control parent.
  void KeepFocusVisible();

  // The form a child window belongs to, or null.
  static Form* Of(HWND child);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // WM_NEXTDLGCTL, which the dialog keys send for a label's or a group
  // box's access key: the focus goes to the control the label names, or
  // to the first control inside the group box.
  void NextDialogControl(WPARAM wp, LPARAM lp);

  UniqueFont font_;
  Menu* menu_ = nullptr;
  UniqueAccel accel_;
  int modalResult_ = mrNone;
  bool modal_ = false;
  HWND lastFocus_ = nullptr;

  bool CanHoldFocus(HWND control) const;
  HWND FirstFocusableControl() const;
  HWND mnemonicTarget_ = nullptr;  // where the next "move on" of an access key goes
};

}  // namespace tq::ui
