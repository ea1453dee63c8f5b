#include "ui/rich_edit_viewer.h"

#include <richedit.h>

#include <algorithm>
#include <stdexcept>

#include "platform/utf16.h"
#include "ui/read_only_tab.h"
#include "ui/rich_edit_stream.h"

namespace tq::ui {

TRichEditViewer::~TRichEditViewer() {
  // The window must go before the library use does.
  Destroy();
}

void TRichEditViewer::Create(Wnd& parent, const Rect& bounds, const RichEditViewerOptions& options) {
  host_ = &parent;
  bounds_ = bounds;
  options_ = options;
  CreateWindowNow();
}

void TRichEditViewer::CreateWindowNow() {
  DWORD style = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL;
  if (options_.vScroll) style |= WS_VSCROLL;
  if (options_.hScroll) style |= WS_HSCROLL | ES_AUTOHSCROLL;
  if (options_.readOnly) style |= ES_READONLY;
  const DWORD exStyle = options_.border ? WS_EX_CLIENTEDGE : 0;
  if (!useRichEdit_) {
    CreateControl(*host_, L"EDIT", bounds_, {}, style, exStyle, options_.id);
    return;
  }
  library_.Acquire();
  CreateControl(*host_, RichEditLibrary::ClassName(), bounds_, {}, style, exStyle, options_.id);
  const LRESULT mask = Send(EM_GETEVENTMASK);
  Send(EM_SETEVENTMASK, 0, mask | ENM_LINK);
  Send(EM_AUTOURLDETECT, 1);
}

void TRichEditViewer::SetUseRichEdit(bool use) {
  if (use == useRichEdit_) return;
  useRichEdit_ = use;
  if (!Handle()) {
    if (!use) library_.Release();
    return;
  }
  // Made again in the same place with the same text.
  const Rect placed = Bounds();
  const std::string text = Text();
  Destroy();
  if (!use) library_.Release();
  CreateWindowNow();
  SetBounds(placed);
  SetText(text);
}

void TRichEditViewer::SetRTFText(std::string_view text) {
  if (!useRichEdit_) {
    SetText(text);
    return;
  }
  Send(EM_EXLIMITTEXT, 0, 2147483646);
  if (!StreamIntoRichEdit(Handle(), text, SF_RTF)) SetRichEditPlainText(Handle(), text);
}

LRESULT TRichEditViewer::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETDLGCODE) return LetTabPassWhenReadOnly(Handle(), Control::WndProc(msg, wp, lp), lp);
  return Control::WndProc(msg, wp, lp);
}

std::string TRichEditViewer::LinkText(LONG start, LONG end) const {
  // The whole text is given as 0 to -1.
  const LONG length = (start == 0 && end == -1) ? static_cast<LONG>(Send(WM_GETTEXTLENGTH)) : end - start + 1;
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  TEXTRANGEW range{};
  range.chrg.cpMin = start;
  range.chrg.cpMax = end;
  range.lpstrText = text.data();
  const LRESULT got = Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  text.resize(static_cast<size_t>(std::clamp<LRESULT>(got, 0, length)));
  return platform::Utf8(text);
}

std::optional<LRESULT> TRichEditViewer::OnNotifyReflected(NMHDR* hdr) {
  if (hdr->code != EN_LINK) return std::nullopt;
  const auto* link = reinterpret_cast<const ENLINK*>(hdr);
  // Only the press opens: the release and moves over the link pass.
  if (link->msg != WM_LBUTTONDOWN) return std::nullopt;
  const std::string target = LinkText(link->chrg.cpMin, link->chrg.cpMax);
  if (!target.empty() && openLink) openLink(Handle(), target, SW_SHOWNORMAL);
  return 0;
}

}  // namespace tq::ui
