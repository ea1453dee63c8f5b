#include "ui/edit.h"

#include <string>

#include "platform/utf16.h"
#include "ui/clipboard_copy.h"

namespace tq::ui {

void Edit::Create(Wnd& parent, const Rect& bounds, const EditOptions& o) {
  DWORD style = WS_TABSTOP;
  if (o.multiLine) {
    style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!o.wordWrap) style |= ES_AUTOHSCROLL | WS_HSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (o.vScroll) style |= WS_VSCROLL;
  if (o.readOnly) style |= ES_READONLY;
  if (o.password) style |= ES_PASSWORD;
  CreateControl(parent, L"EDIT", bounds, {}, style, o.border ? WS_EX_CLIENTEDGE : 0, o.id);
}

void Edit::SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly); }
void Edit::SetMaxLength(int chars) { Send(EM_SETLIMITTEXT, static_cast<WPARAM>(chars)); }
void Edit::SelectAll() { Send(EM_SETSEL, 0, -1); }
void Edit::SetSelection(int start, int end) { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }

std::pair<int, int> Edit::Selection() const {
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

void Edit::ReplaceSelection(std::string_view text) {
  const std::wstring s = platform::Wide(text);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(s.c_str()));
}

bool Edit::CopyToClipboard() { return CopySelectionChecked(Handle()); }
int Edit::LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }

bool Edit::OnCommandReflected(int code) {
  if (code != EN_CHANGE) return false;
  if (onChange) onChange();
  return true;
}

LRESULT Edit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  const LRESULT result = Control::WndProc(msg, wp, lp);
  // A multi-line edit sends no EN_CHANGE for WM_SETTEXT; report it here.
  if (msg == WM_SETTEXT && result && (GetWindowLongW(Handle(), GWL_STYLE) & ES_MULTILINE) && onChange) onChange();
  return result;
}

}  // namespace tq::ui
