// ListView: a list of rows with columns (report view) whose texts the owner
// supplies on demand, so a list of thousands of rows fills at once. One row
// can be selected; the owner hears of a change of selection and of a row
// chosen with a double click.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace tq::ui {

struct ListViewOptions {
  bool border = true;
  bool columnHeaders = true;
  // The selected row keeps the highlight colours while another control
  // (a search box driving the list) has the focus.
  bool highlightWithoutFocus = false;
  int id = 0;
};

// Appends a column to a list view of either kind; width in layout pixels.
void AddListViewColumn(Control& list, std::string_view title, int width);

class ListView : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, const ListViewOptions& options = {});

  // The text of a cell, asked for whenever it is painted.
  std::function<std::string(int row, int column)> cellText;
  std::function<void(int row)> onSelectionChanged;  // -1: none
  std::function<void(int row)> onDoubleClick;

  // Width in layout pixels (96 dpi).
  void AddColumn(std::string_view title, int width);
  // Shows `rows` rows, asking cellText again for every one.
  void SetRowCount(int rows);
  int RowCount() const;

  int Selected() const;  // -1 when none
  // Selects and focuses a row and scrolls it into view; -1 clears the selection.
  void Select(int row);
  // Rows that fit in the view at once.
  int VisibleRows() const;

 protected:
  std::optional<LRESULT> OnNotifyReflected(NMHDR* hdr) override;

 private:
  std::wstring cell_;  // holds the text handed to the control until it asks again
  bool highlightWithoutFocus_ = false;
};

}  // namespace tq::ui
