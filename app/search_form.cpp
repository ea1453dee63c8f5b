#include "app/search_form.h"

#include <algorithm>

#include "ui/window_place.h"

namespace tq::app {
namespace {

constexpr int kClientWidth = 560;
constexpr int kClientHeight = 250;
constexpr int kMargin = 4;
constexpr int kQueryHeight = 21;

}  // namespace

TReplySearchForm::TReplySearchForm(HWND owner) {
  Create({.caption = "Find Reply",
          .style = WS_POPUP | WS_CAPTION | WS_THICKFRAME,
          .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
          .owner = owner});
  const SIZE outer = ui::OuterSizeFor(Handle(), Scale(kClientWidth), Scale(kClientHeight));
  SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);

  Query.Create(*this, {kMargin, kMargin, kClientWidth - 2 * kMargin, kQueryHeight});
  Query.onChange = [this] { Filter(); };
  Query.onKey = [this](UINT key) {
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    switch (key) {
      case VK_UP: Move(-1); return true;
      case VK_DOWN: Move(+1); return true;
      case VK_PRIOR: Move(-Results.VisibleRows()); return true;
      case VK_NEXT: Move(+Results.VisibleRows()); return true;
      case VK_RETURN: Choose(shift); return true;
      case VK_ESCAPE: Cancel(true); return true;
      default: return false;
    }
  };
  const int listTop = kMargin + kQueryHeight + kMargin;
  Results.Create(*this, {kMargin, listTop, kClientWidth - 2 * kMargin, kClientHeight - listTop - kMargin},
                 {.highlightWithoutFocus = true});
  Results.AddColumn("Category", 100);
  Results.AddColumn("Description", 140);
  Results.AddColumn("Text", 210);
  Results.AddColumn("Hotkey", 80);
  Results.cellText = [this](int row, int column) -> std::string {
    if (row < 0 || row >= static_cast<int>(matches_.size())) return {};
    const SearchEntry& e = search_->entry(matches_[row]);
    switch (column) {
      case 0: return e.category;
      case 1: return e.description;
      case 2: return e.firstLine;
      default: return e.hotKeyText;
    }
  };
  Results.onDoubleClick = [this](int row) {
    Results.Select(row);
    Choose((GetKeyState(VK_SHIFT) & 0x8000) != 0);
  };
}

TReplySearchForm::~TReplySearchForm() = default;

void TReplySearchForm::Open(std::shared_ptr<ReplySearch> search, DWORD targetThread) {
  search_ = std::move(search);
  closing_ = false;
  Query.SetText("");
  Filter();
  ui::PlaceNearCaret(*this, targetThread);
  Show();
  Query.SetFocus();
}

void TReplySearchForm::Dismiss() {
  closing_ = true;
  Hide();
}

std::vector<int> TReplySearchForm::ListedIndexes() const {
  std::vector<int> out;
  for (size_t p : matches_) out.push_back(search_->entry(p).index);
  return out;
}

void TReplySearchForm::Filter() {
  matches_ = search_ ? search_->Find(Query.Text()) : std::vector<size_t>();
  Results.SetRowCount(static_cast<int>(matches_.size()));
  Results.Select(matches_.empty() ? -1 : 0);
}

void TReplySearchForm::Move(int rows) {
  if (matches_.empty()) return;
  const int last = static_cast<int>(matches_.size()) - 1;
  const int from = std::max(Results.Selected(), 0);
  Results.Select(std::clamp(from + rows, 0, last));
}

void TReplySearchForm::Choose(bool plain) {
  const int row = Results.Selected();
  if (row < 0 || row >= static_cast<int>(matches_.size())) return;
  const int index = search_->entry(matches_[row]).index;
  Dismiss();
  if (onChoose) onChoose(index, plain ? std::optional<bool>(false) : std::nullopt);
}

void TReplySearchForm::Cancel(bool byKey) {
  Dismiss();
  if (onCancel) onCancel(byKey);
}

void TReplySearchForm::OnSize(int width, int height) {
  if (!Query || !Results) return;
  const int m = Scale(kMargin), q = Scale(kQueryHeight);
  SetWindowPos(Query.Handle(), nullptr, m, m, width - 2 * m, q, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(Results.Handle(), nullptr, m, 2 * m + q, width - 2 * m, std::max(0, height - 3 * m - q),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TReplySearchForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  // Losing the foreground to another window is a cancel, unless it is the
  // paste that this window's own choice started.
  if (msg == WM_ACTIVATE && LOWORD(wp) == WA_INACTIVE && Visible() && !closing_) {
    const LRESULT result = Form::WndProc(msg, wp, lp);
    Cancel(false);
    return result;
  }
  if (msg == WM_CLOSE) {
    Cancel(true);
    return 0;
  }
  return Form::WndProc(msg, wp, lp);
}

LRESULT TReplySearchForm::QueryEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETDLGCODE) return Edit::WndProc(msg, wp, lp) | DLGC_WANTALLKEYS;
  if (msg == WM_KEYDOWN && onKey && onKey(static_cast<UINT>(wp))) return 0;
  // Enter and Escape would otherwise beep in a one-line edit.
  if (msg == WM_CHAR && (wp == '\r' || wp == '\x1b' || wp == '\n')) return 0;
  return Edit::WndProc(msg, wp, lp);
}

}  // namespace tq::app
