// TChildIndex: the characters of a dictionary node's children side by side,
// for the child lists that are long. A lookup otherwise reads the node of
// every sibling before the one it wants (a few dozen near the root, each in
// another place of the mapped file); with the characters in one short array
// it reads one node. Lists are decoded on first use, so nothing is built at
// load, and the index never holds more than the file's lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tq::spell {

class TChildIndex {
 public:
  // A decoded list: count characters from chars(), the node numbers at the
  // same places from numbers().
  struct List {
    uint32_t first = 0;
    uint32_t count = 0;
  };

  // The list decoded from linkage offset `at`, or nullptr when it has not
  // been decoded yet.
  const List* Find(uint32_t at) const;
  // Starts the list at linkage offset `at`; Append its children in order,
  // then Find answers for it.
  void Begin(uint32_t at);
  void Append(uint8_t ch, uint32_t number);

  const uint8_t* chars() const { return chars_.data(); }
  const uint32_t* numbers() const { return numbers_.data(); }
  void Clear();

 private:
  struct Slot {
    uint32_t at = 0;  // linkage offset + 1; 0: empty
    List list;
  };
  static size_t Home(uint32_t at, size_t mask) { return (at * 2654435761u) & mask; }
  void Grow();

  std::vector<Slot> slots_;
  size_t used_ = 0;
  Slot* open_ = nullptr;  // the list being appended to
  std::vector<uint8_t> chars_;
  std::vector<uint32_t> numbers_;
};

}  // namespace tq::spell
