#include "ui/combo_box.h"

#include <algorithm>
#include <stdexcept>

#include "platform/utf16.h"

namespace tq::ui {

void ComboBox::Create(Wnd& parent, const Rect& bounds, int id) {
  CreateControl(parent, L"COMBOBOX", bounds, {}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, id);
}

void ComboBox::CreateEditable(Wnd& parent, const Rect& bounds, int id) {
  CreateControl(parent, L"COMBOBOX", bounds, {}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, id);
}

int ComboBox::AddItem(std::string_view text) {
  const std::wstring s = platform::Wide(text);
  const LRESULT index = Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s.c_str()));
  if (index < 0) throw std::runtime_error("Cannot add a list item");
  return static_cast<int>(index);
}

void ComboBox::Clear() { Send(CB_RESETCONTENT); }
int ComboBox::Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }

std::string ComboBox::ItemText(int index) const {
  const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT got = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
  return platform::Utf8(text);
}

int ComboBox::SelectedIndex() const { return static_cast<int>(Send(CB_GETCURSEL)); }
void ComboBox::SetSelectedIndex(int index) { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
void ComboBox::SetMaxLength(int chars) { Send(CB_LIMITTEXT, static_cast<WPARAM>(chars)); }

bool ComboBox::OnCommandReflected(int code) {
  if (code == CBN_KILLFOCUS) {
    // The text box of an editable list keeps its selection shown without
    // the focus (the system makes it so); another field has the focus now.
    if ((GetWindowLongW(Handle(), GWL_STYLE) & 0x3) == CBS_DROPDOWN) Send(CB_SETEDITSEL, 0, MAKELPARAM(0xFFFF, 0));
    return false;
  }
  if (code == CBN_EDITCHANGE) {
    if (onEditChange) onEditChange();
    return true;
  }
  if (code != CBN_SELCHANGE) return false;
  if (onSelectionChanged) onSelectionChanged();
  return true;
}

}  // namespace tq::ui
