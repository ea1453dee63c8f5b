#include "ui/row_list_view.h"

#include <stdexcept>
#include <vector>

#include "platform/utf16.h"
#include "ui/list_view.h"

namespace tq::ui {

namespace {

constexpr UINT kCheckedImage = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT kUncheckedImage = INDEXTOSTATEIMAGEMASK(1);

}  // namespace

void RowListView::Create(Wnd& parent, const Rect& bounds, const RowListViewOptions& o) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&init);
  DWORD style = WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER;
  if (!o.columnHeaders) style |= LVS_NOCOLUMNHEADER;
  if (o.editLabels) style |= LVS_EDITLABELS;
  if (o.showSelectionAlways) style |= LVS_SHOWSELALWAYS;
  if (o.sorted) style |= LVS_SORTASCENDING;
  if (o.singleSelection) style |= LVS_SINGLESEL;
  CreateControl(parent, WC_LISTVIEWW, bounds, {}, style, WS_EX_CLIENTEDGE, o.id);
  DWORD ex = 0;
  if (o.checkBoxes) ex |= LVS_EX_CHECKBOXES;
  if (o.rowSelect) ex |= LVS_EX_FULLROWSELECT;
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
}

void RowListView::AddColumn(std::string_view caption, int width) { AddListViewColumn(*this, caption, width); }

void RowListView::SetColumnCaption(int column, std::string_view caption) {
  std::wstring text = platform::Wide(caption);
  LVCOLUMNW c{};
  c.mask = LVCF_TEXT;
  c.pszText = text.data();
  Send(LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
}

void RowListView::SetColumnWidth(int column, int devicePixels) {
  Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(devicePixels, 0));
}

int RowListView::ColumnWidth(int column) const {
  return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

int RowListView::AddRow(std::string_view caption, LPARAM data) {
  std::wstring text = platform::Wide(caption);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = Count();
  item.pszText = text.data();
  item.lParam = data;
  const int row = static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) throw std::runtime_error("Cannot add a list row");
  return row;
}

void RowListView::DeleteRow(int row) { Send(LVM_DELETEITEM, static_cast<WPARAM>(row)); }
void RowListView::Clear() { Send(LVM_DELETEALLITEMS); }
int RowListView::Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

std::string RowListView::Text(int row, int column) const {
  std::vector<wchar_t> buffer(1024, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return platform::Utf8(buffer.data());
}

void RowListView::SetText(int row, int column, std::string_view caption) {
  std::wstring text = platform::Wide(caption);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

LPARAM RowListView::Data(int row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.lParam;
}

int RowListView::FindData(LPARAM data) const {
  LVFINDINFOW find{};
  find.flags = LVFI_PARAM;
  find.lParam = data;
  return static_cast<int>(Send(LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

bool RowListView::Checked(int row) const {
  return (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) == kCheckedImage;
}

void RowListView::SetChecked(int row, bool checked) {
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = checked ? kCheckedImage : kUncheckedImage;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int RowListView::SelectedRow() const {
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int RowListView::FocusedRow() const {
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

bool RowListView::RowSelected(int row) const {
  return Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED;
}

void RowListView::SetRowSelected(int row, bool selected) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void RowListView::Select(int row) {
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  if (row < 0) return;
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void RowListView::EditCaption(int row) {
  SetFocus();
  Send(LVM_EDITLABELW, static_cast<WPARAM>(row));
}

bool RowListView::Editing() const { return Send(LVM_GETEDITCONTROL) != 0; }

void RowListView::SetSmallImages(HIMAGELIST images) {
  Send(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
}

std::optional<LRESULT> RowListView::OnNotifyReflected(NMHDR* hdr) {
  switch (hdr->code) {
    case LVN_ITEMCHANGED: {
      auto* change = reinterpret_cast<NMLISTVIEW*>(hdr);
      if (change->iItem < 0 || !(change->uChanged & LVIF_STATE)) break;
      const UINT differs = change->uOldState ^ change->uNewState;
      if ((differs & LVIS_STATEIMAGEMASK) && (change->uOldState & LVIS_STATEIMAGEMASK) && onCheckChanged)
        onCheckChanged(change->iItem);
      if ((differs & LVIS_SELECTED) && onSelectionChanged)
        onSelectionChanged(change->iItem, (change->uNewState & LVIS_SELECTED) != 0);
      return 0;
    }
    case NM_CLICK: {
      auto* act = reinterpret_cast<NMITEMACTIVATE*>(hdr);
      if (!onClick) break;
      LVHITTESTINFO hit{};
      hit.pt = act->ptAction;
      const int row = static_cast<int>(Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      bool labelOrRight = false;
      if (row >= 0) {
        RECT label{};
        label.left = LVIR_LABEL;
        Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&label));
        labelOrRight = hit.pt.x >= label.left;
      }
      onClick(row, labelOrRight);
      return 0;
    }
    case LVN_BEGINLABELEDITW: {
      const int row = reinterpret_cast<NMLVDISPINFOW*>(hdr)->item.iItem;
      return (!onBeginEdit || onBeginEdit(row)) ? FALSE : TRUE;
    }
    case LVN_ENDLABELEDITW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(hdr);
      const int row = info->item.iItem;
      std::optional<std::string> text;
      if (info->item.pszText) text = platform::Utf8(info->item.pszText);
      const bool keep = onEndEdit ? onEndEdit(row, text) : text.has_value();
      return keep && text ? TRUE : FALSE;
    }
    case LVN_KEYDOWN:
      if (onKeyDown) onKeyDown(reinterpret_cast<NMLVKEYDOWN*>(hdr)->wVKey);
      return 0;
  }
  return std::nullopt;
}

}  // namespace tq::ui
