// Control: a child window placed in its parent at layout pixels (96 dpi)
// scaled for the screen, taking its parent's font. The concrete controls
// (button, edit, tree view, ...) derive from it and raise their events from
// the notifications their parent reflects to them.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/geometry.h"
#include "ui/wnd.h"

namespace tq::ui {

class Control : public Wnd {
 public:
  // The control's id in its parent (0 when none was given).
  int Id() const { return Handle() ? GetDlgCtrlID(Handle()) : 0; }

 protected:
  // A control of a system window class, made as a wide window; `text` is
  // UTF-8. The class name may be given as ASCII too.
  void CreateControl(Wnd& parent, const wchar_t* className, const Rect& bounds, std::string_view text, DWORD style,
                     DWORD exStyle = 0, int id = 0);
  void CreateControl(Wnd& parent, const char* className, const Rect& bounds, std::string_view text, DWORD style,
                     DWORD exStyle = 0, int id = 0);
  // A child of one of the toolkit's own window classes (a panel).
  void CreateOwnChild(Wnd& parent, const wchar_t* className, const Rect& bounds, DWORD style, DWORD exStyle = 0);
  void CreateOwnChild(Wnd& parent, const char* className, const Rect& bounds, DWORD style, DWORD exStyle = 0);

 private:
  CreateArgs ChildArgs(Wnd& parent, const wchar_t* className, const Rect& bounds, std::string_view text, DWORD style,
                       DWORD exStyle, int id) const;
};

}  // namespace tq::ui
