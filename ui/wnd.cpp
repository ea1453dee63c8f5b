#include "ui/wnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/utf16.h"
#include "ui/dpi.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace tq::ui {
namespace {

// The window property that leads from a handle to its object.
constexpr wchar_t kObjectProp[] = L"TqWnd";
constexpr UINT_PTR kSubclassId = 0x7151;

HINSTANCE ThisModule() { return GetModuleHandleW(nullptr); }

}  // namespace

Wnd::~Wnd() {
  Destroy();
  if (hwnd_) Detach();  // DestroyWindow failed: never leave a handle pointing here
}

Wnd* Wnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  return static_cast<Wnd*>(GetPropW(hwnd, kObjectProp));
}

void Wnd::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void Wnd::RegisterClassOnce(const char* className, UINT classStyle, HBRUSH background, HICON icon) {
  RegisterClassOnce(platform::Wide(className).c_str(), classStyle, background, icon);
}

void Wnd::RegisterClassOnce(const wchar_t* className, UINT classStyle, HBRUSH background, HICON icon) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(ThisModule(), className, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = classStyle;
  wc.lpfnWndProc = &Wnd::OwnClassProc;
  wc.hInstance = ThisModule();
  wc.hIcon = icon;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = background;
  wc.lpszClassName = className;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("Cannot register the window class " + platform::Utf8(className));
  }
}

void Wnd::CreateOwnClass(const CreateArgs& a) {
  if (hwnd_) throw std::logic_error("Window already created");
  createError_ = nullptr;
  HWND h = CreateWindowExW(a.exStyle, a.className.c_str(), platform::Wide(a.text).c_str(), a.style, a.x, a.y, a.width,
                           a.height, a.parent, a.menuOrId, ThisModule(), this);
  if (createError_) {
    if (h && hwnd_) Destroy();
    std::rethrow_exception(std::exchange(createError_, nullptr));
  }
  if (!h) throw std::runtime_error("Cannot create a window of the class " + platform::Utf8(a.className));
}

void Wnd::CreateSystemClass(const CreateArgs& a) {
  if (hwnd_) throw std::logic_error("Window already created");
  HWND h = CreateWindowExW(a.exStyle, a.className.c_str(), platform::Wide(a.text).c_str(), a.style, a.x, a.y, a.width,
                           a.height, a.parent, a.menuOrId, ThisModule(), nullptr);
  if (!h) throw std::runtime_error("Cannot create a window of the class " + platform::Utf8(a.className));
  Attach(h);
  subclassed_ = true;
  if (!SetWindowSubclass(h, &Wnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    subclassed_ = false;
    DestroyWindow(h);
    Detach();
    throw std::runtime_error("Cannot subclass a window of the class " + platform::Utf8(a.className));
  }
}

void Wnd::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kObjectProp, this);
  if (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) {
    if (Wnd* parent = FromHandle(GetParent(hwnd))) parent->AddChild(this);
  }
}

void Wnd::Detach() {
  if (subclassed_) RemoveWindowSubclass(hwnd_, &Wnd::SubclassProc, kSubclassId);
  subclassed_ = false;
  if (GetPropW(hwnd_, kObjectProp) == this) RemovePropW(hwnd_, kObjectProp);
  if (parent_) parent_->RemoveChild(this);
  for (Wnd* child : children_) child->parent_ = nullptr;
  children_.clear();
  hwnd_ = nullptr;
}

void Wnd::AddChild(Wnd* child) {
  children_.push_back(child);
  child->parent_ = this;
}

void Wnd::RemoveChild(Wnd* child) {
  std::erase(children_, child);
  child->parent_ = nullptr;
}

LRESULT CALLBACK Wnd::OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    if (auto* self = static_cast<Wnd*>(cs->lpCreateParams)) self->Attach(hwnd);
  }
  Wnd* self = FromHandle(hwnd);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = self->SafeWndProc(msg, wp, lp);
  if (msg == WM_NCDESTROY) self->Detach();
  return result;
}

LRESULT CALLBACK Wnd::SubclassProc(HWND, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<Wnd*>(data);
  LRESULT result = self->SafeWndProc(msg, wp, lp);
  if (msg == WM_NCDESTROY) self->Detach();
  return result;
}

LRESULT Wnd::SafeWndProc(UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return WndProc(msg, wp, lp);
  } catch (...) {
    if (msg == WM_NCCREATE || msg == WM_CREATE) {
      createError_ = std::current_exception();
      return msg == WM_NCCREATE ? FALSE : -1;
    }
    try {
      throw;
    } catch (const std::exception& e) {
      ShowExceptionBox(hwnd_, e.what());
    } catch (...) {
      ShowExceptionBox(hwnd_, "Unknown error");
    }
    return 0;
  }
}

LRESULT Wnd::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  return subclassed_ ? DefSubclassProc(hwnd_, msg, wp, lp) : DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT Wnd::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_COMMAND: {
      auto* control = reinterpret_cast<HWND>(lp);
      if (control && control != hwnd_) {
        if (Wnd* w = FromHandle(control); w && w->OnCommandReflected(HIWORD(wp))) return 0;
      }
      if (OnCommand(LOWORD(wp), HIWORD(wp), control)) return 0;
      break;
    }
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr && hdr->hwndFrom != hwnd_) {
        if (Wnd* w = FromHandle(hdr->hwndFrom)) {
          if (auto r = w->OnNotifyReflected(hdr)) return *r;
        }
      }
      if (auto r = OnNotify(hdr)) return *r;
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
      Wnd* w = FromHandle(reinterpret_cast<HWND>(lp));
      if (w && w != this) {
        if (auto r = w->OnCtlColorReflected(reinterpret_cast<HDC>(wp))) return *r;
      }
      break;
    }
    case WM_SIZE: {
      const LRESULT r = DefaultProc(msg, wp, lp);
      Relayout();
      OnSize(LOWORD(lp), HIWORD(lp));
      return r;
    }
    case WM_CLOSE:
      if (!OnClose()) return 0;
      break;
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_TIMER:
      OnTimer(wp);
      break;  // system controls run timers of their own (the caret)
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wp);
      if (!subclassed_) {
        if (LOWORD(lp)) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
      }
      break;
    case WM_GETFONT:
      if (!subclassed_) return reinterpret_cast<LRESULT>(font_);
      break;
    case WM_CONTEXTMENU:
      if (OnContextMenu(reinterpret_cast<HWND>(wp), POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) return 0;
      break;
  }
  return DefaultProc(msg, wp, lp);
}

std::string Wnd::Text() const {
  if (!hwnd_) return {};
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(got, 0)));
  return platform::Utf8(text);
}

void Wnd::SetText(std::string_view text) { SetWindowTextW(hwnd_, platform::Wide(text).c_str()); }

Rect Wnd::Bounds() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (GetWindowLongW(hwnd_, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
  }
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Wnd::SetBounds(const Rect& r) {
  SetWindowPos(hwnd_, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Wnd::ClientRect() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool Wnd::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Wnd::SetVisible(bool visible) {
  if (!hwnd_) return;
  const bool was = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
  // Docked windows give their room back or take it when shown or hidden.
  if (was != visible && parent_ && align_ != Align::None) parent_->Relayout();
  KeepFormFocusVisible();
}

bool Wnd::Enabled() const { return hwnd_ && IsWindowEnabled(hwnd_); }
void Wnd::SetEnabled(bool enabled) {
  EnableWindow(hwnd_, enabled);
  KeepFormFocusVisible();
}

void Wnd::KeepFormFocusVisible() {
  if (Form* form = Form::Of(hwnd_); form && form != this) form->KeepFocusVisible();
}
void Wnd::SetFocus() { ::SetFocus(hwnd_); }
bool Wnd::Focused() const { return hwnd_ && GetFocus() == hwnd_; }

HFONT Wnd::Font() const { return reinterpret_cast<HFONT>(Send(WM_GETFONT)); }
void Wnd::SetFont(HFONT font) { Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

int Wnd::Dpi() const {
  // Measured once per font: the font of a window rarely changes, and Scale
  // runs for every control and on every resize.
  const HFONT font = Font();
  if (layoutDpi_ == 0 || font != measuredFont_) {
    layoutDpi_ = LayoutDpiFor(font);
    measuredFont_ = font;
  }
  return layoutDpi_;
}
int Wnd::Scale(int pixels) const { return ScaleForDpi(pixels, Dpi()); }

void Wnd::SetAlign(Align a) {
  align_ = a;
  if (parent_) parent_->Relayout();
}

void Wnd::Relayout() {
  if (!hwnd_) return;
  std::vector<Wnd*> docked;
  std::vector<AlignItem> items;
  for (Wnd* child : children_) {
    if (child->align_ == Align::None || !child->hwnd_) continue;
    const bool shown = (GetWindowLongW(child->hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
    docked.push_back(child);
    items.push_back({child->align_, child->Bounds(), shown});
  }
  if (docked.empty()) return;
  const std::vector<Rect> placed = AlignRects(ClientRect(), items);
  for (size_t i = 0; i < docked.size(); ++i) {
    if (items[i].visible && placed[i] != items[i].bounds) docked[i]->SetBounds(placed[i]);
  }
}

bool HasClass(HWND hwnd, const wchar_t* className) {
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, static_cast<int>(std::size(cls)));
  return lstrcmpiW(cls, className) == 0;
}

}  // namespace tq::ui
