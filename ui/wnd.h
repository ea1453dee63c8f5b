// Wnd: the base of every window of the toolkit. It owns its HWND (destroying
// the object destroys the window; a window destroyed by Windows, for instance
// with its parent, leaves the object empty), finds its object again from the
// handle, and turns messages into virtual handlers. Notifications a control
// sends to its parent (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*) are reflected back
// to the control's own object first, so controls raise their own events.
//
// An exception thrown by a handler must not unwind through Windows' frames:
// during creation it is carried out of Create; afterwards it is shown in the
// standard error box and the message is answered with 0.
#pragma once

#include <windows.h>

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/align.h"
#include "ui/geometry.h"

namespace tq::ui {

class Wnd {
 public:
  Wnd() = default;
  virtual ~Wnd();
  Wnd(const Wnd&) = delete;
  Wnd& operator=(const Wnd&) = delete;

  HWND Handle() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }
  // The object behind a window made by the toolkit, or null.
  static Wnd* FromHandle(HWND hwnd);

  // Destroys the window now (and its children); the object stays, empty.
  void Destroy();

  // The window's text, UTF-8.
  std::string Text() const;
  void SetText(std::string_view text);

  // Bounds in pixels: relative to the parent's client area for a child, in
  // screen coordinates for a top-level window.
  Rect Bounds() const;
  void SetBounds(const Rect& r);
  Rect ClientRect() const;

  // Hiding or disabling a control that holds the focus, or showing one on a
  // form that had nothing to focus, lets its form put the focus right.
  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void SetFocus();
  bool Focused() const;

  // The font of the window (not owned). Containers of the toolkit keep the
  // font they are given, and controls take their parent's font at creation.
  HFONT Font() const;
  void SetFont(HFONT font);

  // The DPI that layout pixels scale with in this window: the screen's, or
  // more where the window's font measures larger (see ui/core/layout_scale.h);
  // and a layout pixel count scaled with it.
  int Dpi() const;
  int Scale(int pixels) const;

  // How this window docks in its parent (see align.h). Takes effect at the
  // parent's next layout, which runs on every WM_SIZE of the parent.
  Align align() const { return align_; }
  void SetAlign(Align a);
  // Lays out the docked children again.
  void Relayout();

  // A message to the window through the wide API, so text messages carry
  // UTF-16.
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(hwnd_, msg, wp, lp); }

 protected:
  struct CreateArgs {
    std::wstring className;
    std::string text;  // UTF-8
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;  // device pixels
    HWND parent = nullptr;  // parent of a child, owner of a top-level window
    HMENU menuOrId = nullptr;
  };

  // Registers (once) a window class of the toolkit whose messages come here:
  // a Unicode class, so every window of the toolkit is a wide window.
  static void RegisterClassOnce(const wchar_t* className, UINT classStyle, HBRUSH background, HICON icon);
  // The same with an ASCII class name.
  static void RegisterClassOnce(const char* className, UINT classStyle, HBRUSH background, HICON icon);
  // Creates a window of a class registered with RegisterClassOnce; WM_CREATE
  // already reaches the handlers. Throws on failure, or rethrows what a
  // handler threw during creation.
  void CreateOwnClass(const CreateArgs& args);
  // Creates a window of a system class (button, edit, ...) and subclasses it
  // so its messages and reflected notifications reach this object.
  void CreateSystemClass(const CreateArgs& args);

  // Default handling: the class's own procedure for subclassed system
  // controls, DefWindowProcW for the toolkit's classes.
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

  // Every message comes here first; the default dispatches to the handlers
  // below and passes everything they leave to DefaultProc.
  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);

  // Handlers. Those returning bool return true when they handled the message.
  virtual bool OnCreate() { return true; }  // false fails the creation
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual std::optional<LRESULT> OnNotify(NMHDR* /*hdr*/) { return std::nullopt; }
  virtual void OnSize(int /*width*/, int /*height*/) {}
  // WM_CLOSE: return false to refuse (the window stays).
  virtual bool OnClose() { return true; }
  virtual void OnDestroy() {}
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual bool OnContextMenu(HWND /*target*/, POINT /*screen*/) { return false; }

  // Notifications of this control, reflected from its parent.
  virtual bool OnCommandReflected(int /*code*/) { return false; }
  virtual std::optional<LRESULT> OnNotifyReflected(NMHDR* /*hdr*/) { return std::nullopt; }
  virtual std::optional<LRESULT> OnCtlColorReflected(HDC /*dc*/) { return std::nullopt; }

 private:
  static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
  LRESULT SafeWndProc(UINT msg, WPARAM wp, LPARAM lp);
  void Attach(HWND hwnd);
  void Detach();
  void AddChild(Wnd* child);
  void RemoveChild(Wnd* child);
  void KeepFormFocusVisible();

  HWND hwnd_ = nullptr;
  bool subclassed_ = false;
  HFONT font_ = nullptr;
  mutable HFONT measuredFont_ = nullptr;  // the font layoutDpi_ was measured with
  mutable int layoutDpi_ = 0;
  Align align_ = Align::None;
  Wnd* parent_ = nullptr;       // the toolkit parent, while attached
  std::vector<Wnd*> children_;  // toolkit children, for layout
  std::exception_ptr createError_;
};

// Whether `hwnd` is a window of the class `className` (letter case aside).
bool HasClass(HWND hwnd, const wchar_t* className);

}  // namespace tq::ui
