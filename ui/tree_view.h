// TreeView: a tree of text items, each carrying a number of the owner's
// (LPARAM) that says what it stands for. The contents come from the owner's
// model; the control only shows them and reports selection, double clicks
// and keys.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace tq::ui {

struct TreeViewOptions {
  bool lines = true;
  bool buttons = true;
  bool linesAtRoot = true;
  bool showSelectionAlways = true;
  bool border = true;
  int id = 0;
};

class TreeView : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, const TreeViewOptions& options = {});

  std::function<void(HTREEITEM)> onSelectionChanged;  // the new selection, or null
  std::function<void()> onDoubleClick;
  std::function<void(UINT key)> onKeyDown;  // virtual-key code
  std::function<void(UINT key)> onKeyUp;

  // Adds an item under `parent` (null: at the root) after `after` (TVI_LAST,
  // TVI_FIRST, TVI_SORT or an item).
  HTREEITEM AddItem(HTREEITEM parent, std::string_view text, LPARAM data = 0, HTREEITEM after = TVI_LAST);
  void DeleteItem(HTREEITEM item);
  void Clear();
  int Count() const;

  HTREEITEM Selected() const;
  void Select(HTREEITEM item);
  LPARAM ItemData(HTREEITEM item) const;
  std::string ItemText(HTREEITEM item) const;
  void SetItemText(HTREEITEM item, std::string_view text);

  HTREEITEM FirstRoot() const;
  HTREEITEM Parent(HTREEITEM item) const;
  HTREEITEM FirstChild(HTREEITEM item) const;
  HTREEITEM NextSibling(HTREEITEM item) const;

  // Images: the list is not owned; item images index into it.
  void SetImageList(HIMAGELIST images);
  void SetItemImages(HTREEITEM item, int image, int selectedImage);

  void Expand(HTREEITEM item, bool expand = true);
  bool Expanded(HTREEITEM item) const;

 protected:
  std::optional<LRESULT> OnNotifyReflected(NMHDR* hdr) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace tq::ui
