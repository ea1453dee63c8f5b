#include "spell/engine/string_list.h"

#include <algorithm>

#include "spell/engine/ansi_text.h"

namespace tq::spell {

namespace {

bool LessText(const std::string& a, const std::string& b) { return AnsiLowerCase(a) < AnsiLowerCase(b); }

}  // namespace

int TStringList::IndexOf(std::string_view text) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (AnsiSameText(items_[i], text)) return static_cast<int>(i);
  return -1;
}

int TStringList::Add(const std::string& text) {
  if (!sorted_) {
    items_.push_back(text);
    Changed();
    return Count() - 1;
  }
  if (IgnoreDuplicates) {
    if (int at = IndexOf(text); at >= 0) return at;
  }
  auto at = std::upper_bound(items_.begin(), items_.end(), text, LessText);
  at = items_.insert(at, text);
  Changed();
  return static_cast<int>(at - items_.begin());
}

void TStringList::Insert(int index, const std::string& text) {
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, text);
  Changed();
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Put(int index, const std::string& text) {
  if (index < 0 || index >= Count()) return;
  items_[static_cast<size_t>(index)] = text;
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TStringList::Assign(const std::vector<std::string>& items) {
  if (!sorted_) {
    items_ = items;
  } else {
    items_.clear();
    for (const std::string& s : items) {
      if (IgnoreDuplicates && IndexOf(s) >= 0) continue;
      items_.insert(std::upper_bound(items_.begin(), items_.end(), s, LessText), s);
    }
  }
  Changed();
}

void TStringList::WriteSorted(bool sorted) {
  if (sorted == sorted_) return;
  sorted_ = sorted;
  if (sorted_ && !items_.empty()) {
    std::stable_sort(items_.begin(), items_.end(), LessText);
    Changed();
  }
}

}  // namespace tq::spell
