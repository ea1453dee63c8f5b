#include "spell/engine/child_index.h"

namespace tq::spell {

const TChildIndex::List* TChildIndex::Find(uint32_t at) const {
  if (slots_.empty()) return nullptr;
  const size_t mask = slots_.size() - 1;
  for (size_t i = Home(at, mask);; i = (i + 1) & mask) {
    const Slot& slot = slots_[i];
    if (slot.at == at + 1) return &slot.list;
    if (slot.at == 0) return nullptr;
  }
}

void TChildIndex::Begin(uint32_t at) {
  // At most half full, so that a search meets an empty slot soon.
  if ((used_ + 1) * 2 > slots_.size()) Grow();
  const size_t mask = slots_.size() - 1;
  size_t i = Home(at, mask);
  while (slots_[i].at != 0 && slots_[i].at != at + 1) i = (i + 1) & mask;
  if (slots_[i].at == 0) ++used_;
  open_ = &slots_[i];
  open_->at = at + 1;
  open_->list = {static_cast<uint32_t>(chars_.size()), 0};
}

void TChildIndex::Append(uint8_t ch, uint32_t number) {
  if (!open_) return;
  chars_.push_back(ch);
  numbers_.push_back(number);
  ++open_->list.count;
}

void TChildIndex::Grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 256 : old.size() * 2, Slot());
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.at == 0) continue;
    size_t i = Home(slot.at - 1, mask);
    while (slots_[i].at != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
  open_ = nullptr;
}

void TChildIndex::Clear() {
  slots_.clear();
  used_ = 0;
  open_ = nullptr;
  chars_.clear();
  numbers_.clear();
}

}  // namespace tq::spell
