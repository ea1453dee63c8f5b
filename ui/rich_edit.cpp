#include "ui/rich_edit.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace tq::ui {
namespace {

struct ReadCursor {
  std::string_view text;
  size_t pos = 0;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* cursor = reinterpret_cast<ReadCursor*>(cookie);
  const size_t n = std::min(static_cast<size_t>(size), cursor->text.size() - cursor->pos);
  std::memcpy(buffer, cursor->text.data() + cursor->pos, n);
  cursor->pos += n;
  *done = static_cast<LONG>(n);
  return 0;
}

DWORD CALLBACK WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(size));
  *done = size;
  return 0;
}

}  // namespace

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

bool RichEdit::StreamIn(std::string_view text, UINT format) {
  ReadCursor cursor{text};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&cursor);
  stream.pfnCallback = &ReadChunk;
  Send(EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

std::string RichEdit::StreamOut(UINT format) const {
  std::string out;
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&out);
  stream.pfnCallback = &WriteChunk;
  Send(EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
  return out;
}

bool RichEdit::SetRtf(std::string_view rtf) {
  // Without its signature the control would read the text in some other way.
  if (!rtf.starts_with("{\\rtf")) return false;
  return StreamIn(rtf, SF_RTF);
}

std::string RichEdit::Rtf() const { return StreamOut(SF_RTF); }

void RichEdit::SetPlainText(std::string_view text) { StreamIn(text, SF_TEXT); }

std::string RichEdit::PlainText() const {
  GETTEXTLENGTHEX lengthQuery{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
  const LRESULT length = Send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthQuery));
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GETTEXTEX query{};
  query.cb = static_cast<DWORD>(text.size());
  query.flags = GT_USECRLF;
  query.codepage = CP_ACP;
  const LRESULT got = Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&query), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
  return text;
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

void RichEdit::CopyToClipboard() { Send(WM_COPY); }
void RichEdit::Paste() { Send(WM_PASTE); }
int RichEdit::LineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }

std::string RichEdit::Line(int index) const {
  const LRESULT start = Send(EM_LINEINDEX, static_cast<WPARAM>(index));
  if (start < 0) return {};
  const LRESULT length = Send(EM_LINELENGTH, static_cast<WPARAM>(start));
  // EM_GETLINE takes the buffer size in its first word and copies no NUL.
  std::string line(static_cast<size_t>(std::max<LRESULT>(length, 0)) + sizeof(WORD) + 1, '\0');
  *reinterpret_cast<WORD*>(line.data()) = static_cast<WORD>(line.size() - 1);
  const LRESULT got = Send(EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(line.data()));
  line.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
  // The line may end with its paragraph mark; callers want only the text.
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  return line;
}

bool RichEdit::OnCommandReflected(int code) {
  if (code != EN_CHANGE) return false;
  if (onChange) onChange();
  return true;
}

}  // namespace tq::ui
