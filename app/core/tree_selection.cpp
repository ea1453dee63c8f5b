#include "app/core/tree_selection.h"

namespace tq::app {

TreeSelection SelectionAfterDelete(const ReplyTree& tree, int deleted) {
  TreeSelection next;
  const auto place = tree.FindReply(deleted);
  if (!place) return next;
  const std::vector<ReplyNode>& replies = tree.categories()[place->category].replies;
  auto shifted = [deleted](int index) { return index > deleted ? index - 1 : index; };
  if (place->reply + 1 < static_cast<int>(replies.size())) {
    next.reply = shifted(replies[place->reply + 1].index);
  } else if (place->reply > 0) {
    next.reply = shifted(replies[place->reply - 1].index);
  } else {
    next.category = tree.categories()[place->category].text;
  }
  return next;
}

}  // namespace tq::app
