#include "ui/tab_control.h"

#include <commctrl.h>

#include <string>

namespace tq::ui {

void TabControl::Create(Wnd& parent, const Rect& bounds, int id) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
  InitCommonControlsEx(&init);
  // WS_EX_CONTROLPARENT: Tab moves on into the shown page's controls.
  CreateControl(parent, WC_TABCONTROLA, bounds, {}, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, id);
}

Panel& TabControl::AddPage(std::string_view caption) {
  std::string text(caption);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  Send(TCM_INSERTITEMA, pages_.size(), reinterpret_cast<LPARAM>(&item));
  auto page = std::make_unique<Panel>();
  page->Create(*this, {0, 0, 0, 0});
  page->SetBounds(PageBounds());
  pages_.push_back(std::move(page));
  ShowActivePage();
  return *pages_.back();
}

std::string TabControl::PageCaption(int index) const {
  char text[256] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  Send(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return text;
}

void TabControl::SetPageCaption(int index, std::string_view caption) {
  std::string text(caption);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  Send(TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TabControl::RemovePage(int index) {
  if (index < 0 || index >= PageCount()) return;
  const int active = ActivePage();
  Send(TCM_DELETEITEM, static_cast<WPARAM>(index));
  pages_.erase(pages_.begin() + index);
  if (PageCount() > 0) SetActivePage(active > index ? active - 1 : (active == index ? 0 : active));
}

int TabControl::ActivePage() const { return static_cast<int>(Send(TCM_GETCURSEL)); }

void TabControl::SetActivePage(int index) {
  Send(TCM_SETCURSEL, static_cast<WPARAM>(index));
  ShowActivePage();
}

Rect TabControl::PageBounds() const {
  RECT r{};
  GetClientRect(Handle(), &r);
  Send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TabControl::ShowActivePage() {
  const int active = ActivePage();
  for (size_t i = 0; i < pages_.size(); ++i) pages_[i]->SetVisible(static_cast<int>(i) == active);
}

std::optional<LRESULT> TabControl::OnNotifyReflected(NMHDR* hdr) {
  if (hdr->code != TCN_SELCHANGE) return std::nullopt;
  ShowActivePage();
  if (onPageChanged) onPageChanged();
  return 0;
}

void TabControl::OnSize(int, int) {
  const Rect bounds = PageBounds();
  for (auto& page : pages_) page->SetBounds(bounds);
}

}  // namespace tq::ui
