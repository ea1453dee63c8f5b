#include "ui/control.h"

#include <stdexcept>

#include "platform/utf16.h"
#include "ui/dpi.h"

namespace tq::ui {

Wnd::CreateArgs Control::ChildArgs(Wnd& parent, const wchar_t* className, const Rect& bounds, std::string_view text,
                                   DWORD style, DWORD exStyle, int id) const {
  if (!parent) throw std::logic_error("A control needs a parent window");
  const Rect r = ScaleForDpi(bounds, parent.Dpi());
  CreateArgs args;
  args.className = className;
  args.text = std::string(text);
  args.style = style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  args.exStyle = exStyle;
  args.x = r.x;
  args.y = r.y;
  args.width = r.width;
  args.height = r.height;
  args.parent = parent.Handle();
  args.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  return args;
}

void Control::CreateControl(Wnd& parent, const char* className, const Rect& bounds, std::string_view text, DWORD style,
                            DWORD exStyle, int id) {
  CreateControl(parent, platform::Wide(className).c_str(), bounds, text, style, exStyle, id);
}

void Control::CreateControl(Wnd& parent, const wchar_t* className, const Rect& bounds, std::string_view text,
                            DWORD style, DWORD exStyle, int id) {
  CreateSystemClass(ChildArgs(parent, className, bounds, text, style, exStyle, id));
  SetFont(parent.Font());
}

void Control::CreateOwnChild(Wnd& parent, const char* className, const Rect& bounds, DWORD style, DWORD exStyle) {
  CreateOwnChild(parent, platform::Wide(className).c_str(), bounds, style, exStyle);
}

void Control::CreateOwnChild(Wnd& parent, const wchar_t* className, const Rect& bounds, DWORD style, DWORD exStyle) {
  HFONT font = parent.Font();
  CreateOwnClass(ChildArgs(parent, className, bounds, {}, style, exStyle, 0));
  SetFont(font);
}

}  // namespace tq::ui
