#include "ui/list_box.h"

#include <vector>

#include "platform/utf16.h"

namespace tq::ui {

void ListBox::Create(Wnd& parent, const Rect& bounds, const ListBoxOptions& o) {
  CreateControl(parent, L"LISTBOX", bounds, {},
                WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | (o.sorted ? LBS_SORT : 0),
                WS_EX_CLIENTEDGE, o.id);
  if (o.itemHeight > 0) Send(LB_SETITEMHEIGHT, 0, Scale(o.itemHeight));
}

void ListBox::Clear() { Send(LB_RESETCONTENT); }

void ListBox::Add(std::string_view text) {
  const std::wstring s = platform::Wide(text);
  Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
}

void ListBox::Delete(int index) { Send(LB_DELETESTRING, static_cast<WPARAM>(index)); }

int ListBox::Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }

std::string ListBox::Item(int index) const {
  const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
  if (length == LB_ERR) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
  Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
  return platform::Utf8(buffer.data());
}

int ListBox::SelectedIndex() const {
  const LRESULT index = Send(LB_GETCURSEL);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::SetSelectedIndex(int index) { Send(LB_SETCURSEL, static_cast<WPARAM>(index)); }

bool ListBox::OnCommandReflected(int code) {
  if (code == LBN_SELCHANGE) {
    if (onSelect) onSelect();
    return true;
  }
  if (code == LBN_DBLCLK) {
    if (onDoubleClick) onDoubleClick();
    return true;
  }
  return false;
}

}  // namespace tq::ui
