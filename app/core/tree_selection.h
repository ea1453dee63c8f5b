// Which node of the main window's tree view is selected when the view is
// filled again from the tree model: the root, a category by its text or a
// reply by its index.
#pragma once

#include <optional>
#include <string>

#include "app/core/reply_tree.h"

namespace tq::app {

struct TreeSelection {
  bool root = false;
  std::optional<std::string> category;
  std::optional<int> reply;
  bool operator==(const TreeSelection&) const = default;
};

// The node that takes the selection when the reply with index `deleted` is
// deleted, as the tree view itself moves it: the next reply of the same
// category, else the one before, else the category. Reply indexes are those
// after the delete (the replies after it move down by one). Nothing is
// selected when the tree holds no such reply. Call it before the node goes.
TreeSelection SelectionAfterDelete(const ReplyTree& tree, int deleted);

}  // namespace tq::app
