#include "ui/list_view.h"

#include <algorithm>

#include "platform/utf16.h"

namespace tq::ui {

void ListView::Create(Wnd& parent, const Rect& bounds, const ListViewOptions& o) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
  if (!o.columnHeaders) style |= LVS_NOCOLUMNHEADER;
  CreateControl(parent, WC_LISTVIEWW, bounds, {}, style, o.border ? WS_EX_CLIENTEDGE : 0, o.id);
  highlightWithoutFocus_ = o.highlightWithoutFocus;
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void AddListViewColumn(Control& list, std::string_view title, int width) {
  std::wstring text = platform::Wide(title);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = text.data();
  column.cx = list.Scale(width);
  const int count = Header_GetItemCount(reinterpret_cast<HWND>(list.Send(LVM_GETHEADER)));
  list.Send(LVM_INSERTCOLUMNW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&column));
}

void ListView::AddColumn(std::string_view title, int width) { AddListViewColumn(*this, title, width); }

void ListView::SetRowCount(int rows) {
  Send(LVM_SETITEMCOUNT, rows, 0);
  InvalidateRect(Handle(), nullptr, TRUE);
}

int ListView::RowCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

int ListView::Selected() const {
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::Select(int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (row < 0) {
    item.state = 0;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    return;
  }
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  Send(LVM_ENSUREVISIBLE, row, FALSE);
}

int ListView::VisibleRows() const { return std::max(1, static_cast<int>(Send(LVM_GETCOUNTPERPAGE))); }

std::optional<LRESULT> ListView::OnNotifyReflected(NMHDR* hdr) {
  switch (hdr->code) {
    case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(hdr);
      if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0) {
        cell_ = platform::Wide(cellText ? cellText(info->item.iItem, info->item.iSubItem) : std::string());
        size_t n = std::min(cell_.size(), static_cast<size_t>(info->item.cchTextMax - 1));
        // A cell cut short loses a whole character, not half a surrogate pair.
        if (n < cell_.size() && n > 0 && cell_[n - 1] >= 0xD800 && cell_[n - 1] <= 0xDBFF) --n;
        cell_.copy(info->item.pszText, n);
        info->item.pszText[n] = L'\0';
      }
      return 0;
    }
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<NMLISTVIEW*>(hdr);
      if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED) &&
          onSelectionChanged)
        onSelectionChanged(Selected());
      return 0;
    }
    case NM_CUSTOMDRAW: {
      if (!highlightWithoutFocus_) return std::nullopt;
      auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(hdr);
      if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
      if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const auto row = static_cast<int>(draw->nmcd.dwItemSpec);
        if (Send(LVM_GETITEMSTATE, row, LVIS_SELECTED) & LVIS_SELECTED) {
          // Drawn as selected in our colours, not as the control's grey.
          draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
          draw->clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
          draw->clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
        }
      }
      return CDRF_DODEFAULT;
    }
    case NM_DBLCLK: {
      const auto* activate = reinterpret_cast<NMITEMACTIVATE*>(hdr);
      if (activate->iItem >= 0 && onDoubleClick) onDoubleClick(activate->iItem);
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace tq::ui
