// The spelling menu of a misspelt word: its entries (TSpellPopupOption, also
// the item tags and the menu's result), the set of entries a window offers,
// and the menu itself as a tree of items that a window system shows.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace tq::spell {

enum TSpellPopupOption : int {
  spCancel = 0,
  spDialog,
  spAutoCorrect,
  spChangeAll,
  spAdd,
  spIgnoreAll,
  spIgnore,
  spReplace,
};

// A set of menu entries; bit n stands for the entry of value n.
class TSpellPopupOptions {
 public:
  constexpr TSpellPopupOptions() = default;
  constexpr TSpellPopupOptions(std::initializer_list<TSpellPopupOption> options) {
    for (TSpellPopupOption o : options) Include(o);
  }
  // Every entry but spCancel.
  static constexpr TSpellPopupOptions All() {
    return {spDialog, spAutoCorrect, spChangeAll, spAdd, spIgnoreAll, spIgnore, spReplace};
  }
  constexpr uint8_t bits() const { return bits_; }
  constexpr bool Contains(TSpellPopupOption o) const { return (bits_ >> o) & 1; }
  constexpr void Include(TSpellPopupOption o) { bits_ = static_cast<uint8_t>(bits_ | (1u << o)); }
  constexpr void Exclude(TSpellPopupOption o) { bits_ = static_cast<uint8_t>(bits_ & ~(1u << o)); }
  friend constexpr bool operator==(TSpellPopupOptions a, TSpellPopupOptions b) { return a.bits_ == b.bits_; }

 private:
  uint8_t bits_ = 0;
};

// One entry of the menu. A caption of "-" is a separator; an item with
// children opens a submenu.
struct TSpellMenuItem {
  std::string Caption;
  bool Enabled = true;
  int Tag = 0;
  std::vector<std::unique_ptr<TSpellMenuItem>> Items;
};

// The menu: its top-level items. Whoever shows it reports the clicked item.
struct TSpellPopupMenu {
  void* Owner = nullptr;
  std::vector<std::unique_ptr<TSpellMenuItem>> Items;
};

}  // namespace tq::spell
