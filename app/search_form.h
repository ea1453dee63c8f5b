// TReplySearchForm: the small always-on-top window of the search hotkey. A
// search box over a list of the matching replies (category, description,
// first line, hotkey); typing filters at once, the arrow and page keys move
// in the list, Enter chooses (Shift+Enter: as plain text), Escape or a click
// elsewhere closes it without doing anything.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/core/reply_search.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_view.h"

namespace tq::app {

class TReplySearchForm : public ui::Form {
 public:
  explicit TReplySearchForm(HWND owner);
  ~TReplySearchForm() override;

  // A reply was chosen: its index, and whether it goes with its formatting
  // (none: as the settings say). The window is already hidden.
  std::function<void(int index, std::optional<bool> withFormat)> onChoose;
  // Closed without a choice: by Escape (true), which hands the keyboard
  // back to where the user was typing, or by a click elsewhere (false).
  std::function<void(bool byKey)> onCancel;

  // Shows the window over the replies of `search`, empty query, near the
  // caret of `targetThread`.
  void Open(std::shared_ptr<ReplySearch> search, DWORD targetThread);
  // Hides it; nothing is chosen and nobody is told.
  void Dismiss();

  // For tests and the benchmark: the replies listed now, best first.
  std::vector<int> ListedIndexes() const;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnSize(int width, int height) override;

 private:
  class QueryEdit : public ui::Edit {
   public:
    std::function<bool(UINT key)> onKey;  // true: the key was used
   protected:
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  };

  void Filter();
  void Move(int rows);
  void Choose(bool plain);
  void Cancel(bool byKey);

  QueryEdit Query;
  ui::ListView Results;
  std::shared_ptr<ReplySearch> search_;
  std::vector<size_t> matches_;
  bool closing_ = false;  // a choice or Escape is hiding the window
};

}  // namespace tq::app
