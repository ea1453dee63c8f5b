#include "ui/rich_edit.h"

#include <richedit.h>

#include <algorithm>

#include "platform/utf16.h"
#include "ui/clipboard_copy.h"
#include "ui/read_only_tab.h"
#include "ui/rich_edit_stream.h"

namespace tq::ui {

RichEdit::~RichEdit() {
  // The window must go before its library does.
  Destroy();
}

void RichEdit::Create(Wnd& parent, const Rect& bounds, const RichEditOptions& o) {
  library_.Acquire();
  className_ = RichEditLibrary::ClassName();
  DWORD style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_NOHIDESEL;
  if (o.vScroll) style |= WS_VSCROLL;
  if (o.readOnly) style |= ES_READONLY;
  CreateControl(parent, className_, bounds, {}, style, o.border ? WS_EX_CLIENTEDGE : 0, o.id);
  Send(EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  Send(EM_SETEVENTMASK, 0, ENM_CHANGE);
  SetWordWrap(o.wordWrap);
}

bool RichEdit::SetRtf(std::string_view rtf) {
  // Without its signature the control would read the text in some other way.
  if (!rtf.starts_with("{\\rtf")) return false;
  return StreamIntoRichEdit(Handle(), rtf, SF_RTF);
}

std::string RichEdit::Rtf() const { return StreamOutOfRichEdit(Handle(), SF_RTF); }

void RichEdit::SetPlainText(std::string_view text) { SetRichEditPlainText(Handle(), text); }

std::string RichEdit::PlainText() const {
  constexpr UINT kUtf16 = 1200;
  GETTEXTLENGTHEX lengthQuery{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, kUtf16};
  const LRESULT length = Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery));
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GETTEXTEX query{};
  query.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  query.flags = GT_USECRLF;
  query.codepage = kUtf16;
  const LRESULT got = Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
  return platform::Utf8(text);
}

void RichEdit::SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly); }

void RichEdit::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  // A target width of 0 wraps at the window's edge; 1 means "no wrapping".
  Send(EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
}

void RichEdit::SelectAll() {
  CHARRANGE all{0, -1};
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
}

void RichEdit::CollapseSelection() {
  CHARRANGE sel{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
  sel.cpMax = sel.cpMin;
  Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&sel));
}

std::pair<int, int> RichEdit::Selection() const {
  CHARRANGE sel{};
  Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
  return {sel.cpMin, sel.cpMax};
}

bool RichEdit::CopyToClipboard() { return CopySelectionChecked(Handle()); }
void RichEdit::Paste() { Send(WM_PASTE); }
int RichEdit::LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }

std::string RichEdit::Line(int index) const {
  const LRESULT start = Send(EM_LINEINDEX, static_cast<WPARAM>(index));
  if (start < 0) return {};
  const LRESULT length = Send(EM_LINELENGTH, static_cast<WPARAM>(start));
  // EM_GETLINE takes the buffer size (in characters) in its first word and
  // copies no NUL.
  std::wstring line(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 2, L'\0');
  line[0] = static_cast<wchar_t>(line.size() - 1);
  const LRESULT got = Send(EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()));
  line.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
  // The line may end with its paragraph mark; callers want only the text.
  while (!line.empty() && (line.back() == L'\r' || line.back() == L'\n')) line.pop_back();
  return platform::Utf8(line);
}

LRESULT RichEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETDLGCODE) return LetTabPassWhenReadOnly(Handle(), Control::WndProc(msg, wp, lp), lp);
  return Control::WndProc(msg, wp, lp);
}

bool RichEdit::OnCommandReflected(int code) {
  if (code != EN_CHANGE) return false;
  if (onChange) onChange();
  return true;
}

}  // namespace tq::ui
