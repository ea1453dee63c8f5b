#include "ui/form_enhance.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <utility>

#include "platform/system_info.h"
#include "platform/utf16.h"
#include "ui/form.h"
#include "ui/message_box.h"

namespace tq::ui {
namespace {

// The component on a form's window, and the procedure it replaced when it had
// to leave without unhooking (someone subclassed the form after it).
constexpr wchar_t kObjectProp[] = L"TQFormEnhance";
constexpr wchar_t kPreviousProcProp[] = L"TQFormEnhancePrev";
constexpr UINT kIconId = 1;

void FinishDrop(HDROP drop) { DragFinish(drop); }
using UniqueDrop = UniqueHandle<HDROP, FinishDrop>;

Form& OwnerForm(Wnd& owner) {
  auto* form = dynamic_cast<Form*>(&owner);
  if (!form) throw EFormEnhanceError("Control parent must be a form!");
  return *form;
}

HWND FormWindow(Wnd& owner) {
  Form& form = OwnerForm(owner);
  if (!form.Handle()) form.Create({});
  if (GetPropW(form.Handle(), kObjectProp))
    throw EFormEnhanceError("The form already contains a TFormEnhance component!");
  return form.Handle();
}

// GetWindowPlacement and SetWindowPlacement speak in work-area coordinates
// for windows that are not tool windows; the stored placement is in screen
// coordinates, so a taskbar at the top or left does not shift the window.
POINT WorkspaceOffset(HWND hwnd) {
  if (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return {0, 0};
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &info)) return {0, 0};
  return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

core::Rect WorkArea() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right, work.bottom};
}

}  // namespace

TFormEnhance::TFormEnhance(Wnd& owner, const std::string& formName) : TFormEnhance(owner, formName, Storage{}) {}

TFormEnhance::TFormEnhance(Wnd& owner, const std::string& formName, Storage storage)
    : formHandle_(FormWindow(owner)), storage_(std::move(storage)) {
  SaveKey = formName + " Placement";
  if (storage_.programFolder.empty()) storage_.programFolder = platform::ProgramFolder();
  ShowPopup = [](Menu& menu, HWND form, POINT screen) { menu.Popup(form, screen); };
  trayWindow_.Create();
  timer_.onTimer = [this] { CycleIcon(); };

  SetPropW(formHandle_, kObjectProp, this);
  SetLastError(0);
  previousProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(formHandle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TFormEnhance::FormProc)));
  if (!previousProc_) {
    RemovePropW(formHandle_, kObjectProp);
    throw EFormEnhanceError("Cannot subclass the form's window");
  }
}

TFormEnhance::~TFormEnhance() {
  timer_.Stop();
  if (iconVisible_) HideIcon();
  Unhook();
}

void TFormEnhance::Unhook() {
  if (!formHandle_) return;
  const auto ours = reinterpret_cast<LONG_PTR>(&TFormEnhance::FormProc);
  if (GetWindowLongPtrW(formHandle_, GWLP_WNDPROC) == ours) {
    SetWindowLongPtrW(formHandle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
  } else {
    // Another procedure sits on top of ours and will call it: it must go on
    // passing messages to the one we replaced.
    SetPropW(formHandle_, kPreviousProcProp, reinterpret_cast<HANDLE>(previousProc_));
  }
  RemovePropW(formHandle_, kObjectProp);
  formHandle_ = nullptr;
}

LRESULT CALLBACK TFormEnhance::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<TFormEnhance*>(GetPropW(hwnd, kObjectProp));
  if (!self) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kPreviousProcProp));
    if (msg == WM_NCDESTROY) RemovePropW(hwnd, kPreviousProcProp);
    return previous ? CallWindowProcW(previous, hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
  }
  const LRESULT result = CallWindowProcW(self->previousProc_, hwnd, msg, wp, lp);
  // The form's own handling may have destroyed this component.
  if (GetPropW(hwnd, kObjectProp) != self) return result;
  if (msg == WM_NCDESTROY) {
    RemovePropW(hwnd, kObjectProp);
    self->formHandle_ = nullptr;
    return result;
  }
  try {
    return self->FormMessage(msg, wp, lp, result);
  } catch (const std::exception& e) {
    ShowExceptionBox(hwnd, e.what());
  } catch (...) {
    ShowExceptionBox(hwnd, "Unknown error");
  }
  return result;
}

LRESULT TFormEnhance::FormMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT result) {
  switch (msg) {
    case WM_DESTROY:
    case WM_QUERYENDSESSION:
      if (SavePlacement) StorePlacement();
      break;
    case WM_ENDSESSION:
      // No WM_DESTROY follows when the session really ends.
      if (wp && SavePlacement) StorePlacement();
      break;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      const core::TrackSizes limited = core::ApplySizeLimits(
          {{info->ptMaxTrackSize.x, info->ptMaxTrackSize.y}, {info->ptMinTrackSize.x, info->ptMinTrackSize.y}},
          {MaxSize.Width, MaxSize.Height}, {MinSize.Width, MinSize.Height});
      info->ptMaxTrackSize = {limited.max_track.width, limited.max_track.height};
      info->ptMinTrackSize = {limited.min_track.width, limited.min_track.height};
      break;
    }
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wp));
      break;
    case WM_SHOWWINDOW:
      // Shown for the first time since a maximized placement was restored.
      if (wp && lp == 0 && maximizeOnShow_) {
        maximizeOnShow_ = false;
        ShowWindow(formHandle_, SW_SHOWMAXIMIZED);
      }
      break;
    default:
      break;
  }
  return result;
}

void TFormEnhance::DropFiles(HDROP handle) {
  UniqueDrop drop(handle);
  if (BringToFront) SetForegroundWindow(formHandle_);
  POINT pos{};
  DragQueryPoint(drop.get(), &pos);
  const UINT count = DragQueryFileW(drop.get(), 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> files;
  files.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    // Each name whole: a cut path names another file or none.
    const UINT length = DragQueryFileW(drop.get(), i, nullptr, 0);
    std::wstring name(length, L'\0');
    const UINT copied = DragQueryFileW(drop.get(), i, name.data(), length + 1);
    name.resize(copied < length ? copied : length);
    files.push_back(platform::Utf8(name));
  }
  if (!files.empty() && OnDropFiles) OnDropFiles(files, pos);
}

void TFormEnhance::SetAcceptFiles(bool accept) {
  if (accept == acceptFiles_) return;
  acceptFiles_ = accept;
  if (formHandle_) DragAcceptFiles(formHandle_, accept);
}

void TFormEnhance::Loaded() {
  if (iconVisible_) {
    ShowIcon();
  } else {
    HideIcon();
  }
  Refresh();
  if (formHandle_) DragAcceptFiles(formHandle_, acceptFiles_);
}

// Placement.

core::PlacementStore TFormEnhance::MakeStore() const {
  core::PlacementStore store(storage_.keys, storage_.env, storage_.programFolder);
  // The registry path is below HKEY_CURRENT_USER whether or not it starts
  // with a backslash.
  store.SaveName = UseIniFile ? SaveName : SaveName.substr(std::min(SaveName.find_first_not_of('\\'), SaveName.size()));
  store.SaveKey = SaveKey;
  store.UseIniFile = UseIniFile;
  store.SaveSize = SaveSize;
  return store;
}

core::Placement TFormEnhance::CurrentPlacement() const {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(formHandle_, &wp);
  const POINT offset = WorkspaceOffset(formHandle_);
  const RECT& n = wp.rcNormalPosition;
  return {.bounds = {n.left + offset.x, n.top + offset.y, n.right + offset.x, n.bottom + offset.y},
          .maximized = wp.showCmd == SW_SHOWMAXIMIZED || IsZoomed(formHandle_) || maximizeOnShow_};
}

void TFormEnhance::ApplyPlacement(const core::Placement& placement) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(formHandle_, &wp);
  const POINT offset = WorkspaceOffset(formHandle_);
  const core::Rect& r = placement.bounds;
  wp.rcNormalPosition = {r.left - offset.x, r.top - offset.y, r.right - offset.x, r.bottom - offset.y};
  wp.flags = 0;
  if (IsWindowVisible(formHandle_)) {
    wp.showCmd = placement.maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    maximizeOnShow_ = false;
  } else {
    // Maximizing now would show the form: it maximizes when it is shown.
    wp.showCmd = SW_HIDE;
    maximizeOnShow_ = placement.maximized && !IsZoomed(formHandle_);
  }
  SetWindowPlacement(formHandle_, &wp);
}

void TFormEnhance::LoadPlacement() {
  if (!formHandle_ || SaveName.empty() || SaveKey.empty()) return;
  core::PlacementStore store = MakeStore();
  const core::StoredPlacement stored = store.Read();
  const core::Placement current = CurrentPlacement();
  const core::RestoreContext context{
      .current = current.bounds, .currently_maximized = current.maximized, .save_size = SaveSize};
  ApplyPlacement(UseIniFile ? core::RestoreIniPlacement(stored, context,
                                                        {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)})
                            : core::RestorePlacement(stored, context, WorkArea()));
}

void TFormEnhance::StorePlacement() {
  if (!formHandle_ || SaveName.empty() || SaveKey.empty()) return;
  MakeStore().Store(CurrentPlacement());
}

// Tray icon.

bool TFormEnhance::NotifyShell(DWORD message) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = trayWindow_.Handle();
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_.get();
  const core::TrayTip tip = core::MakeTrayTip(iconHint_, iconShowHint_);
  // The first 64 characters of the field: the part the shell reads in a
  // record of the first version's size.
  static_assert(std::size(data.szTip) >= std::tuple_size_v<core::TrayTip>);
  std::copy(tip.begin(), tip.end(), data.szTip);
  return Shell_NotifyIconW(message, &data) != FALSE;
}

bool TFormEnhance::ShowIcon() {
  iconVisible_ = true;
  return NotifyShell(NIM_ADD);
}

bool TFormEnhance::HideIcon() {
  iconVisible_ = false;
  return NotifyShell(NIM_DELETE);
}

bool TFormEnhance::ModifyIcon() {
  // Nothing in the tray to change: spare the shell the call (settings made
  // before the icon is shown would each cost a round trip).
  if (!iconVisible_) return false;
  return NotifyShell(NIM_MODIFY);
}

void TFormEnhance::SetIconVisible(bool visible) {
  if (visible) {
    ShowIcon();
  } else {
    HideIcon();
  }
}

void TFormEnhance::SetIcon(HICON icon) {
  icon_.reset(icon ? CopyIcon(icon) : nullptr);
  ModifyIcon();
}

void TFormEnhance::SetIconHint(const std::string& hint) {
  iconHint_ = hint;
  ModifyIcon();
}

void TFormEnhance::SetIconShowHint(bool show) {
  iconShowHint_ = show;
  ModifyIcon();
}

void TFormEnhance::SetIconCycle(bool cycle) {
  iconCycle_ = cycle;
  if (cycle) animationIndex_ = 0;
  UpdateTimer();
}

void TFormEnhance::SetIconInterval(UINT ms) {
  iconInterval_ = ms;
  UpdateTimer();
}

void TFormEnhance::UpdateTimer() {
  // An interval of 0 keeps the timer still, as a timer component's does.
  if (iconCycle_ && iconInterval_ > 0) {
    timer_.Start(iconInterval_);
  } else {
    timer_.Stop();
  }
}

void TFormEnhance::CycleIcon() {
  if (!IconList) return;
  const int count = ImageList_GetImageCount(IconList);
  if (animationIndex_ >= count) animationIndex_ = 0;
  if (HICON image = ImageList_GetIcon(IconList, animationIndex_, ILD_NORMAL)) icon_.reset(image);
  if (OnCycle) OnCycle(*this, animationIndex_);
  ModifyIcon();
  animationIndex_ = core::NextIconIndex(animationIndex_, count);
}

void TFormEnhance::PopupAtCursor() {
  if (!IconPopup || !IconEnabled || !formHandle_) return;
  POINT pos{};
  if (!GetCursorPos(&pos)) return;
  SetForegroundWindow(formHandle_);
  if (ShowPopup) ShowPopup(*IconPopup, formHandle_, pos);
}

void TFormEnhance::RunDefaultMenuItem() {
  if (!IconPopup || IconLeftPopup) return;
  const UINT id = GetMenuDefaultItem(IconPopup->Handle(), FALSE, 0);
  if (id != static_cast<UINT>(-1)) IconPopup->Dispatch(static_cast<int>(id));
}

void TFormEnhance::TrayMessage(UINT mouseMessage) {
  if (!IconEnabled) return;
  POINT pos{};
  GetCursorPos(&pos);
  const core::ModifierKeys keys{
      .shift = GetKeyState(VK_SHIFT) < 0, .alt = GetKeyState(VK_MENU) < 0, .ctrl = GetKeyState(VK_CONTROL) < 0};
  auto down = [&](MouseButton button) {
    if (OnMouseDown) OnMouseDown(*this, button, core::MakeShiftState(keys, button), pos.x, pos.y);
  };
  auto up = [&](MouseButton button) {
    if (OnMouseUp) OnMouseUp(*this, button, core::MakeShiftState(keys, button), pos.x, pos.y);
  };
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(*this, core::MakeShiftState(keys, std::nullopt), pos.x, pos.y);
      break;
    case WM_LBUTTONDOWN:
      down(MouseButton::mbLeft);
      pressed_ = true;
      if (IconLeftPopup) PopupAtCursor();
      break;
    case WM_LBUTTONUP:
      if (pressed_) {
        pressed_ = false;
        if (OnClick) OnClick(*this);
      }
      up(MouseButton::mbLeft);
      break;
    case WM_LBUTTONDBLCLK:
      if (OnDblClick) OnDblClick(*this);
      RunDefaultMenuItem();
      break;
    case WM_RBUTTONDOWN:
      down(MouseButton::mbRight);
      PopupAtCursor();
      break;
    case WM_RBUTTONUP:
      up(MouseButton::mbRight);
      break;
    case WM_MBUTTONDOWN:
      down(MouseButton::mbMiddle);
      break;
    case WM_MBUTTONUP:
      up(MouseButton::mbMiddle);
      break;
    default:
      break;
  }
}

// The hidden window.

void TFormEnhance::HiddenWindow::Create() {
  RegisterClassOnce(kTrayClass, 0, nullptr, nullptr);
  CreateArgs args;
  args.className = kTrayClass;
  args.style = WS_POPUP;
  args.x = args.y = args.width = args.height = 0;
  CreateOwnClass(args);
  // At the bottom of the Z-order: a second start of a program finds its
  // main window as the window just above its application window, and this
  // one must not come between them.
  SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT TFormEnhance::HiddenWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kCallbackMessage:
      owner_.TrayMessage(static_cast<UINT>(lp));
      return 0;
    case WM_QUERYENDSESSION:
      return 1;
    default:
      return DefaultProc(msg, wp, lp);
  }
}

}  // namespace tq::ui
