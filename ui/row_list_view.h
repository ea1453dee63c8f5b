// RowListView: rows of text in report style, one or more columns, optionally
// with a check box per row and captions the user may edit in place. Each row
// carries a number of the owner's (LPARAM) saying what it stands for; the
// owner fills the rows and hears about checks, selection, clicks and edits.
// (ListView is the other kind: rows the owner supplies on demand.)
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace tq::ui {

struct RowListViewOptions {
  bool checkBoxes = false;
  bool columnHeaders = true;
  bool rowSelect = false;          // the whole row shows selected
  bool editLabels = false;         // captions may be edited in place
  bool showSelectionAlways = false;
  bool sorted = false;             // rows kept in caption order
  bool singleSelection = true;
  int id = 0;
};

class RowListView : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, const RowListViewOptions& options = {});

  // A row's check box or selection changed (by the user or by code).
  std::function<void(int row)> onCheckChanged;
  std::function<void(int row, bool selected)> onSelectionChanged;
  // A left click; `row` is -1 off the rows, `onLabelOrRight` tells whether
  // it fell on the caption or right of it (not on the check box or icon).
  std::function<void(int row, bool onLabelOrRight)> onClick;
  // In-place editing: may the row's caption be edited? (absent: yes)
  std::function<bool(int row)> onBeginEdit;
  // The edit ended; `text` is empty when it was cancelled. Answer whether
  // the row keeps the new text.
  std::function<bool(int row, std::optional<std::string> text)> onEndEdit;
  // Enter and other keys pressed in the list.
  std::function<void(UINT key)> onKeyDown;

  // Columns in layout pixels (a list needs at least one).
  void AddColumn(std::string_view caption, int width);
  void SetColumnCaption(int column, std::string_view caption);
  void SetColumnWidth(int column, int devicePixels);
  int ColumnWidth(int column) const;  // device pixels

  // Adds a row (in order, or at its sorted place) and answers its index.
  int AddRow(std::string_view caption, LPARAM data = 0);
  void DeleteRow(int row);
  void Clear();
  int Count() const;

  std::string Text(int row, int column = 0) const;
  void SetText(int row, int column, std::string_view text);
  LPARAM Data(int row) const;
  int FindData(LPARAM data) const;  // -1 when absent

  bool Checked(int row) const;
  void SetChecked(int row, bool checked);

  int SelectedRow() const;  // the first selected row, -1 when none
  int FocusedRow() const;   // -1 when none
  bool RowSelected(int row) const;
  // Selects and focuses row (none with -1) and scrolls it into view.
  void Select(int row);
  void SetRowSelected(int row, bool selected);
  // Starts editing row's caption in place (the list takes the focus).
  void EditCaption(int row);
  bool Editing() const;
  void SetSmallImages(HIMAGELIST images);

 protected:
  std::optional<LRESULT> OnNotifyReflected(NMHDR* hdr) override;
};

}  // namespace tq::ui
