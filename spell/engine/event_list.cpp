#include "spell/engine/event_list.h"

#include <algorithm>

namespace tq::spell {

bool TEventList::Holds(const void* listener) const {
  return std::any_of(items_.begin(), items_.end(), [&](const Item& i) { return i.listener == listener; });
}

void TEventList::Add(const void* listener, TNotifyMethod method) {
  if (!Holds(listener)) items_.push_back(Item{listener, std::move(method)});
}

void TEventList::Remove(const void* listener) {
  std::erase_if(items_, [&](const Item& i) { return i.listener == listener; });
}

void TEventList::Notify(void* sender) {
  // Listeners may add or remove listeners while they are told.
  const std::vector<Item> snapshot = items_;
  for (const Item& item : snapshot)
    if (Holds(item.listener) && item.method) item.method(sender);
}

}  // namespace tq::spell
