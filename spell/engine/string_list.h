// TStringList: a list of strings that tells its owner when it changes, as the
// configuration's dictionary lists do. Look-ups ignore letter case; a sorted
// list keeps its order and may refuse duplicates.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tq::spell {

class TStringList {
 public:
  TStringList() = default;
  TStringList(std::initializer_list<std::string> items) : items_(items) {}
  // Copies the strings only, not the flags or the change handler.
  TStringList(const TStringList& other) : items_(other.items_) {}
  TStringList& operator=(const TStringList& other) {
    Assign(other.items_);
    return *this;
  }

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int i) const { return items_[static_cast<size_t>(i)]; }
  const std::vector<std::string>& Items() const { return items_; }
  // Index of text ignoring letter case, -1 when absent.
  int IndexOf(std::string_view text) const;
  bool Contains(std::string_view text) const { return IndexOf(text) >= 0; }

  // Appends (sorted: inserts in order); a refused duplicate answers the
  // index of the one present.
  int Add(const std::string& text);
  void Insert(int index, const std::string& text);
  void Delete(int index);
  void Put(int index, const std::string& text);
  void Clear();
  void Assign(const std::vector<std::string>& items);

  void WriteSorted(bool sorted);
  bool ReadSorted() const { return sorted_; }
  // With a sorted list: duplicates (ignoring case) are not added.
  bool IgnoreDuplicates = false;
  // Called after every change.
  std::function<void()> OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange();
  }

  std::vector<std::string> items_;
  bool sorted_ = false;
};

}  // namespace tq::spell
