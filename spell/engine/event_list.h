// TEventList: listeners of one kind of engine notification (options rebuilt,
// configuration changed, ...), each an object with one method, called in the
// order they were added.
#pragma once

#include <functional>
#include <vector>

namespace tq::spell {

class TEventList {
 public:
  using TNotifyMethod = std::function<void(void* Sender)>;

  virtual ~TEventList() = default;

  // Adds the pair unless listener is already present.
  void Add(const void* listener, TNotifyMethod method);
  void Remove(const void* listener);
  // Calls every method; a listener removed by an earlier one is not called.
  void Notify(void* sender);
  int ReadCount() const { return static_cast<int>(items_.size()); }
  const void* ReadItems(int i) const { return items_[static_cast<size_t>(i)].listener; }

 private:
  struct Item {
    const void* listener;
    TNotifyMethod method;
  };
  bool Holds(const void* listener) const;

  std::vector<Item> items_;
};

}  // namespace tq::spell
