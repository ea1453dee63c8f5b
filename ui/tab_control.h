// TabControl: a row of page tabs over a frame, each tab showing one page (a
// panel made by AddPage) and hiding the others. The pages are children of
// the control, so Tab moves from the tabs into the shown page.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/panel.h"

namespace tq::ui {

class TabControl : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, int id = 0);

  // Adds a tab and its page, a panel filling the frame; the first page added
  // is shown. The page lives as long as the control.
  Panel& AddPage(std::string_view caption);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  Panel& Page(int index) { return *pages_.at(static_cast<size_t>(index)); }

  std::string PageCaption(int index) const;
  void SetPageCaption(int index, std::string_view caption);
  // Removes a tab with its page (and the page's controls); later pages move
  // down one index.
  void RemovePage(int index);

  int ActivePage() const;
  void SetActivePage(int index);

  std::function<void()> onPageChanged;  // by the user

  // An access key typed in `form`: the first shown, enabled tab control in it
  // with a tab of that key (`typed` as WM_SYSCHAR brings it) shows that page,
  // as a click on the tab would, and takes the focus. False when no tab has
  // the key, so the form's own controls get it.
  static bool ChooseByAccessKey(HWND form, char32_t typed);
  // Ctrl+Tab (`step` 1) or Ctrl+Shift+Tab (-1) in `form`: the tab control
  // holding the focus, else the first shown, enabled one, shows the next or
  // the previous page, round the ends, as a click on its tab would. A focus
  // left on the page now hidden goes to the first control of the page shown,
  // or to the tabs. False when the form has no such tab control.
  static bool TurnPage(HWND form, int step);

 protected:
  std::optional<LRESULT> OnNotifyReflected(NMHDR* hdr) override;
  void OnSize(int width, int height) override;

 private:
  Rect PageBounds() const;  // in the control's pixels
  void ShowActivePage();

  std::vector<std::unique_ptr<Panel>> pages_;
};

}  // namespace tq::ui
