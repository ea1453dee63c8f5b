#include "ui/form.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/utf16.h"
#include "ui/core/access_keys.h"
#include "ui/dpi.h"
#include "ui/menu.h"
#include "ui/message_loop.h"
#include "ui/tab_control.h"
#include "ui/tab_order.h"

namespace tq::ui {
namespace {

constexpr wchar_t kFormClass[] = L"TqForm";

// The message font of the system, which already follows the screen's DPI.
HFONT CreateMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

// A WM_SYSCHAR's key as the caption of a shown control of `form` writes it.
// The system's dialog keys compare a key beyond ASCII only in the caption's
// own letter case (Wine's do), so Alt+и would miss "&Имя:".
struct KeyCase {
  HWND form;
  char32_t typed;
  char32_t written = 0;
};

BOOL CALLBACK FindKeyCase(HWND child, LPARAM lp) {
  auto& search = *reinterpret_cast<KeyCase*>(lp);
  if (!IsWindowVisible(child) || !IsWindowEnabled(child)) return TRUE;
  const int length = GetWindowTextLengthW(child);
  if (length <= 0) return TRUE;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(child, text.data(), length + 1)));
  const std::optional<char32_t> key = core::AccessKey(platform::Utf8(text));
  if (!key || core::FoldAccessKey(*key) != core::FoldAccessKey(search.typed)) return TRUE;
  search.written = *key;
  return FALSE;
}

}  // namespace

Form::~Form() {
  // The menu bar belongs to its Menu object, not to the window.
  if (Handle() && menu_) ::SetMenu(Handle(), nullptr);
  Destroy();  // while this is still a Form, so its handlers see WM_DESTROY
}

void Form::Create(const FormArgs& a) {
  HINSTANCE module = GetModuleHandleW(nullptr);
  RegisterClassOnce(kFormClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                    LoadIconW(module, MAKEINTRESOURCEW(1)));
  font_.reset(CreateMessageFont());
  // Sized as its controls will be: from the font it gives them.
  const int dpi = LayoutDpiFor(font_.get());
  CreateArgs args;
  args.className = kFormClass;
  args.text = a.caption;
  args.style = a.style;
  args.exStyle = a.exStyle;
  if (!a.defaultPosition) {
    args.x = ScaleForDpi(a.x, dpi);
    args.y = ScaleForDpi(a.y, dpi);
  }
  if (a.width > 0 && a.height > 0) {
    args.width = ScaleForDpi(a.width, dpi);
    args.height = ScaleForDpi(a.height, dpi);
  }
  args.parent = a.owner;
  CreateOwnClass(args);
}

Form* Form::Of(HWND child) {
  if (!child) return nullptr;
  return dynamic_cast<Form*>(Wnd::FromHandle(GetAncestor(child, GA_ROOT)));
}

void Form::Show() {
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void Form::ShowFocused(const Wnd& control) {
  // Whatever had the focus when the form was last left gives way.
  lastFocus_ = control.Handle();
  Show();
  if (GetActiveWindow() == Handle()) {
    HWND target = CanHoldFocus(lastFocus_) ? lastFocus_ : FirstFocusableControl();
    ::SetFocus(target ? target : Handle());
  }
}

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

void Form::Close() { Send(WM_CLOSE); }

int Form::ShowModal() {
  if (!Handle()) throw std::logic_error("The form has no window");
  if (modal_) throw std::logic_error("The form is already shown modally");
  HWND owner = GetWindow(Handle(), GW_OWNER);
  const bool disableOwner = owner && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  modal_ = true;
  modalResult_ = mrNone;
  Show();

  bool quit = false;
  WPARAM quitCode = 0;
  MSG msg;
  while (modalResult_ == mrNone && Handle()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      quitCode = msg.wParam;
      break;
    }
    if (got == -1) break;
    DispatchThreadMessage(msg);
  }

  const int result = modalResult_ != mrNone ? modalResult_ : mrCancel;
  modal_ = false;
  // The owner is enabled before this form hides, so the activation returns to
  // it and not to some other program.
  if (disableOwner) EnableWindow(owner, TRUE);
  if (Handle()) Hide();
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return result;
}

void Form::SetMenu(Menu* menu) {
  menu_ = menu;
  accel_.reset();
  if (menu) {
    std::vector<ACCEL> keys = menu->Accelerators();
    if (!keys.empty()) accel_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
  }
  if (Handle()) ::SetMenu(Handle(), menu ? menu->Handle() : nullptr);
}

bool Form::PreTranslateMessage(MSG& msg) {
  if (!Handle()) return false;
  if (accel_ && TranslateAcceleratorW(Handle(), accel_.get(), &msg)) return true;
  // The focus may have been left on a hidden control by code that showed or
  // hid windows directly; the dialog keys must not start from there.
  if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
    HWND focus = GetFocus();
    if (focus && focus != Handle() && IsChild(Handle(), focus) && !CanHoldFocus(focus)) {
      KeepFocusVisible();
      if (msg.hwnd == focus) msg.hwnd = GetFocus();
    }
  }
  // The dialog keys know nothing of page tabs: their access keys and
  // Ctrl+Tab come first.
  if (msg.message == WM_SYSCHAR && TabControl::ChooseByAccessKey(Handle(), static_cast<char32_t>(msg.wParam)))
    return true;
  // Tab itself goes our own way round (tab_order.h): the system's walk
  // never stops on a row of page tabs.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
    const LRESULT wants = SendMessageW(msg.hwnd, WM_GETDLGCODE, 0, reinterpret_cast<LPARAM>(&msg));
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (!(wants & DLGC_WANTMESSAGE) && GetKeyState(VK_CONTROL) < 0 && TabControl::TurnPage(Handle(), shift ? -1 : 1))
      return true;
    if (!(wants & (DLGC_WANTTAB | DLGC_WANTMESSAGE))) {
      NextDialogControl(shift, 0);
      return true;
    }
  }
  if (msg.message == WM_SYSCHAR && msg.wParam > 0x7F) {
    KeyCase search{Handle(), static_cast<char32_t>(msg.wParam)};
    EnumChildWindows(Handle(), FindKeyCase, reinterpret_cast<LPARAM>(&search));
    if (search.written > 0x7F && search.written <= 0xFFFF) msg.wParam = search.written;
  }
  return IsDialogMessageW(Handle(), &msg) != FALSE;
}

bool Form::CanHoldFocus(HWND control) const {
  if (!control || !IsChild(Handle(), control) || !IsWindowVisible(control)) return false;
  for (HWND w = control; w && w != Handle(); w = GetParent(w))
    if (!IsWindowEnabled(w)) return false;
  return true;
}

HWND Form::FirstFocusableControl() const {
  HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE);
  return CanHoldFocus(first) ? first : nullptr;
}

void Form::KeepFocusVisible() {
  if (!Handle()) return;
  HWND focus = GetFocus();
  // Disabling the focused control leaves the active form with no focus at all.
  if (!focus && GetActiveWindow() != Handle()) return;
  if (!focus || focus == Handle()) {
    // The form held the focus for want of a control; one may be back now.
    HWND first = FirstFocusableControl();
    if (first || !focus) ::SetFocus(first ? first : Handle());
    return;
  }
  if (!IsChild(Handle(), focus) || CanHoldFocus(focus)) return;
  HWND first = FirstFocusableControl();
  ::SetFocus(first ? first : Handle());
}

namespace {

bool IsGroupBox(HWND hwnd) {
  return HasClass(hwnd, L"Button") && (GetWindowLongW(hwnd, GWL_STYLE) & 0x0F) == BS_GROUPBOX;
}

bool CanTakeFocus(HWND hwnd) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  return (style & WS_TABSTOP) && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

// The first control (in tab order) that can take the focus and lies inside
// the group box's frame.
HWND FirstControlInside(HWND form, HWND group) {
  RECT frame{};
  GetWindowRect(group, &frame);
  HWND first = GetNextDlgTabItem(form, nullptr, FALSE);
  for (HWND h = first; h;) {
    RECT r{};
    GetWindowRect(h, &r);
    if (h != group && CanTakeFocus(h) && r.left >= frame.left && r.top >= frame.top && r.right <= frame.right &&
        r.bottom <= frame.bottom)
      return h;
    h = GetNextDlgTabItem(form, h, FALSE);
    if (h == first) break;
  }
  return nullptr;
}

}  // namespace

void Form::NextDialogControl(WPARAM wp, LPARAM lp) {
  if (lp != 0) {
    // "Go to this control": a label or a group box only marks where the
    // following "move on" goes.
    HWND target = reinterpret_cast<HWND>(wp);
    mnemonicTarget_ = nullptr;
    if (!target || !IsChild(Handle(), target)) return;
    if (IsGroupBox(target)) {
      mnemonicTarget_ = FirstControlInside(Handle(), target);
    } else if (!(GetWindowLongW(target, GWL_STYLE) & WS_TABSTOP)) {
      mnemonicTarget_ = GetNextDlgTabItem(Handle(), target, FALSE);
    } else {
      ::SetFocus(target);
    }
    return;
  }
  HWND next = mnemonicTarget_;
  mnemonicTarget_ = nullptr;
  if (!next) next = NextTabStop(Handle(), GetFocus(), wp != 0);
  if (!next) return;
  ::SetFocus(next);
  // As in the system's dialogs, a text box reached this way has its text selected.
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
}

LRESULT Form::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      if (font_) SetFont(font_.get());
      if (menu_) ::SetMenu(Handle(), menu_->Handle());
      break;
    case WM_COMMAND:
      // Menu commands (code 0) and shortcuts (code 1) carry no control.
      if (lp == 0 && HIWORD(wp) <= 1 && menu_ && menu_->Dispatch(LOWORD(wp))) return 0;
      break;
    case WM_CLOSE:
      if (modal_) {
        if (OnClose()) modalResult_ = mrCancel;
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(Handle(), focus)) lastFocus_ = focus;
      } else if (!HIWORD(wp)) {  // not minimised
        HWND target = CanHoldFocus(lastFocus_) ? lastFocus_ : FirstFocusableControl();
        ::SetFocus(target ? target : Handle());
        return 0;
      }
      break;
    case WM_NEXTDLGCTL:
      NextDialogControl(wp, lp);
      return 0;
    case WM_DESTROY:
      if (menu_) ::SetMenu(Handle(), nullptr);
      break;
  }
  return Wnd::WndProc(msg, wp, lp);
}

}  // namespace tq::ui
