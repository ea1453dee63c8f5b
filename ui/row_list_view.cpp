#include "ui/row_list_view.h"

#include "ui/list_view.h"

#include <stdexcept>
#include <vector>

namespace tq::ui {

namespace {

constexpr UINT kCheckedImage = INDEXTOSTATEIMAGEMASK(2);
constexpr UINT kUncheckedImage = INDEXTOSTATEIMAGEMASK(1);

std::string Narrow(const wchar_t* text) {
  if (!text) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<size_t>(n - 1) : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

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
  CreateControl(parent, WC_LISTVIEWA, bounds, {}, style, WS_EX_CLIENTEDGE, o.id);
  DWORD ex = 0;
  if (o.checkBoxes) ex |= LVS_EX_CHECKBOXES;
  if (o.rowSelect) ex |= LVS_EX_FULLROWSELECT;
  Send(LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
}

void RowListView::AddColumn(std::string_view caption, int width) { AddListViewColumn(*this, caption, width); }

void RowListView::SetColumnCaption(int column, std::string_view caption) {
  std::string text(caption);
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT;
  c.pszText = text.data();
  Send(LVM_SETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
}

void RowListView::SetColumnWidth(int column, int devicePixels) {
  Send(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(devicePixels, 0));
}

int RowListView::ColumnWidth(int column) const {
  return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column)));
}

int RowListView::AddRow(std::string_view caption, LPARAM data) {
  std::string text(caption);
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = Count();
  item.pszText = text.data();
  item.lParam = data;
  const int row = static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) throw std::runtime_error("Cannot add a list row");
  return row;
}

void RowListView::DeleteRow(int row) { Send(LVM_DELETEITEM, static_cast<WPARAM>(row)); }
void RowListView::Clear() { Send(LVM_DELETEALLITEMS); }
int RowListView::Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

std::string RowListView::Text(int row, int column) const {
  std::vector<char> buffer(1024, '\0');
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer.data();
}

void RowListView::SetText(int row, int column, std::string_view caption) {
  std::string text(caption);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text.data();
  Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

LPARAM RowListView::Data(int row) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.lParam;
}

int RowListView::FindData(LPARAM data) const {
  LVFINDINFOA find{};
  find.flags = LVFI_PARAM;
  find.lParam = data;
  return static_cast<int>(Send(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

bool RowListView::Checked(int row) const {
  return (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) ==
         kCheckedImage;
}

void RowListView::SetChecked(int row, bool checked) {
  LVITEMA item{};
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
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED;
  item.state = selected ? LVIS_SELECTED : 0;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void RowListView::Select(int row) {
  LVITEMA none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  if (row < 0) return;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void RowListView::EditCaption(int row) {
  SetFocus();
  Send(LVM_EDITLABELA, static_cast<WPARAM>(row));
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
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW: {
      const int row = reinterpret_cast<NMLVDISPINFOA*>(hdr)->item.iItem;
      return (!onBeginEdit || onBeginEdit(row)) ? FALSE : TRUE;
    }
    case LVN_ENDLABELEDITA:
    case LVN_ENDLABELEDITW: {
      std::optional<std::string> text;
      int row;
      if (hdr->code == LVN_ENDLABELEDITA) {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(hdr);
        row = info->item.iItem;
        if (info->item.pszText) text = info->item.pszText;
      } else {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(hdr);
        row = info->item.iItem;
        if (info->item.pszText) text = Narrow(info->item.pszText);
      }
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
