#include "ui/tab_control.h"

#include <commctrl.h>

#include <iterator>
#include <string>

#include "platform/utf16.h"
#include "ui/core/access_keys.h"
#include "ui/tab_order.h"

namespace tq::ui {
namespace {

std::string TabCaption(HWND tabs, int index) {
  wchar_t text[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = static_cast<int>(std::size(text));
  SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return platform::Utf8(text);
}

}  // namespace

void TabControl::Create(Wnd& parent, const Rect& bounds, int id) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
  InitCommonControlsEx(&init);
  // WS_EX_CONTROLPARENT: Tab moves on into the shown page's controls.
  CreateControl(parent, WC_TABCONTROLW, bounds, {}, WS_TABSTOP | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, id);
}

Panel& TabControl::AddPage(std::string_view caption) {
  std::wstring text = platform::Wide(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  Send(TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
  auto page = std::make_unique<Panel>();
  page->Create(*this, {0, 0, 0, 0});
  page->SetBounds(PageBounds());
  pages_.push_back(std::move(page));
  ShowActivePage();
  return *pages_.back();
}

std::string TabControl::PageCaption(int index) const { return TabCaption(Handle(), index); }

void TabControl::SetPageCaption(int index, std::string_view caption) {
  std::wstring text = platform::Wide(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  Send(TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
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

namespace {

struct AccessKeySearch {
  HWND form;
  char32_t typed;
  HWND tabs = nullptr;
  int index = -1;
};

bool IsTabControl(HWND hwnd) { return HasClass(hwnd, WC_TABCONTROLW); }

bool ShownAndEnabled(HWND form, HWND control) {
  for (HWND w = control; w && w != form; w = GetParent(w))
    if (!IsWindowVisible(w) || !IsWindowEnabled(w)) return false;
  return true;
}

BOOL CALLBACK FindTabOfKey(HWND child, LPARAM lp) {
  auto& s = *reinterpret_cast<AccessKeySearch*>(lp);
  if (!IsTabControl(child) || !ShownAndEnabled(s.form, child)) return TRUE;
  if (s.typed == 0) {  // any tab control will do
    s.tabs = child;
    return FALSE;
  }
  const int count = static_cast<int>(SendMessageW(child, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    if (core::MatchesAccessKey(TabCaption(child, i), s.typed)) {
      s.tabs = child;
      s.index = i;
      return FALSE;
    }
  return TRUE;
}

}  // namespace

bool TabControl::ChooseByAccessKey(HWND form, char32_t typed) {
  AccessKeySearch search{form, typed};
  EnumChildWindows(form, FindTabOfKey, reinterpret_cast<LPARAM>(&search));
  if (!search.tabs) return false;
  ::SetFocus(search.tabs);
  // Moving the tabs' focus selects the tab and tells the owner, as a click does.
  SendMessageW(search.tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(search.index), 0);
  return true;
}

bool TabControl::TurnPage(HWND form, int step) {
  HWND focus = GetFocus();
  HWND tabs = nullptr;
  for (HWND w = focus; w && w != form && !tabs; w = GetParent(w))
    if (IsTabControl(w)) tabs = w;
  if (!tabs) {
    AccessKeySearch search{form, 0};
    EnumChildWindows(form, FindTabOfKey, reinterpret_cast<LPARAM>(&search));
    tabs = search.tabs;
  }
  const int count = tabs ? static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
  if (count == 0) return false;
  const int active = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
  const int next = ((active + step) % count + count) % count;
  const bool onPage = focus && focus != tabs && IsChild(tabs, focus);
  // Moving the tabs' focus selects the tab and tells the owner, as a click does.
  SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(next), 0);
  if (onPage) {
    // The shown page is the visible child of the tabs.
    HWND page = GetWindow(tabs, GW_CHILD);
    while (page && !IsWindowVisible(page)) page = GetWindow(page, GW_HWNDNEXT);
    HWND first = page ? NextTabStop(page, nullptr, false) : nullptr;
    ::SetFocus(first ? first : tabs);
  }
  return true;
}

void TabControl::OnSize(int, int) {
  const Rect bounds = PageBounds();
  for (auto& page : pages_) page->SetBounds(bounds);
}

}  // namespace tq::ui
