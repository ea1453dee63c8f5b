#include "ui/tree_view.h"

#include <stdexcept>

#include "platform/utf16.h"

namespace tq::ui {

void TreeView::Create(Wnd& parent, const Rect& bounds, const TreeViewOptions& o) {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&init);
  DWORD style = WS_TABSTOP;
  if (o.lines) style |= TVS_HASLINES;
  if (o.buttons) style |= TVS_HASBUTTONS;
  if (o.linesAtRoot) style |= TVS_LINESATROOT;
  if (o.showSelectionAlways) style |= TVS_SHOWSELALWAYS;
  CreateControl(parent, WC_TREEVIEWW, bounds, {}, style, o.border ? WS_EX_CLIENTEDGE : 0, o.id);
}

HTREEITEM TreeView::AddItem(HTREEITEM parent, std::string_view text, LPARAM data, HTREEITEM after) {
  std::wstring s = platform::Wide(text);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent ? parent : TVI_ROOT;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = s.data();
  insert.item.lParam = data;
  auto item = reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!item) throw std::runtime_error("Cannot add a tree item");
  return item;
}

void TreeView::SetImageList(HIMAGELIST images) {
  Send(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
}

void TreeView::SetItemImages(HTREEITEM item, int image, int selectedImage) {
  TVITEMW tv{};
  tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  tv.hItem = item;
  tv.iImage = image;
  tv.iSelectedImage = selectedImage;
  Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

void TreeView::DeleteItem(HTREEITEM item) {
  if (item) Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

void TreeView::Clear() { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
int TreeView::Count() const { return static_cast<int>(Send(TVM_GETCOUNT)); }

HTREEITEM TreeView::Selected() const { return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CARET)); }

void TreeView::Select(HTREEITEM item) { Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }

LPARAM TreeView::ItemData(HTREEITEM item) const {
  TVITEMW tv{};
  tv.mask = TVIF_PARAM | TVIF_HANDLE;
  tv.hItem = item;
  if (!Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return 0;
  return tv.lParam;
}

std::string TreeView::ItemText(HTREEITEM item) const {
  wchar_t buffer[1024] = {};
  TVITEMW tv{};
  tv.mask = TVIF_TEXT | TVIF_HANDLE;
  tv.hItem = item;
  tv.pszText = buffer;
  tv.cchTextMax = static_cast<int>(std::size(buffer));
  if (!Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv))) return {};
  return tv.pszText ? platform::Utf8(tv.pszText) : std::string();
}

void TreeView::SetItemText(HTREEITEM item, std::string_view text) {
  std::wstring s = platform::Wide(text);
  TVITEMW tv{};
  tv.mask = TVIF_TEXT | TVIF_HANDLE;
  tv.hItem = item;
  tv.pszText = s.data();
  Send(TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
}

HTREEITEM TreeView::FirstRoot() const { return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_ROOT)); }

HTREEITEM TreeView::Parent(HTREEITEM item) const {
  return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM TreeView::FirstChild(HTREEITEM item) const {
  return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM TreeView::NextSibling(HTREEITEM item) const {
  return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}

void TreeView::Expand(HTREEITEM item, bool expand) {
  Send(TVM_EXPAND, expand ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
}

bool TreeView::Expanded(HTREEITEM item) const {
  return (Send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

std::optional<LRESULT> TreeView::OnNotifyReflected(NMHDR* hdr) {
  switch (hdr->code) {
    // The tree is a wide window under a wide parent: its notifications
    // come in their W forms.
    case TVN_SELCHANGEDW:
      if (onSelectionChanged) onSelectionChanged(reinterpret_cast<NMTREEVIEWW*>(hdr)->itemNew.hItem);
      return 0;
    case NM_DBLCLK:
      if (onDoubleClick) onDoubleClick();
      return 0;
    case TVN_KEYDOWN:
      if (onKeyDown) onKeyDown(reinterpret_cast<NMTVKEYDOWN*>(hdr)->wVKey);
      return 0;
  }
  return std::nullopt;
}

LRESULT TreeView::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  // The tree reports key releases to nobody; they are seen here.
  if (msg == WM_KEYUP && onKeyUp) onKeyUp(static_cast<UINT>(wp));
  return Control::WndProc(msg, wp, lp);
}

}  // namespace tq::ui
