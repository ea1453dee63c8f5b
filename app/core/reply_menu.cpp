#include "app/core/reply_menu.h"

namespace tq::app {

std::vector<ReplyMenuItem> BuildReplyMenu(const ReplyTree& tree) {
  std::vector<ReplyMenuItem> menu;
  for (const CategoryNode& category : tree.categories()) {
    // A category named "-" is still a submenu, not a separator.
    ReplyMenuItem sub{ReplyMenuItem::Kind::Submenu, category.text, -1, {}};
    for (const ReplyNode& reply : category.replies)
      sub.items.push_back({ReplyMenuItem::Kind::Reply, reply.text, reply.index, {}});
    menu.push_back(std::move(sub));
  }
  menu.push_back({ReplyMenuItem::Kind::Separator, "-", -1, {}});
  menu.push_back({ReplyMenuItem::Kind::Close, "&Close", -1, {}});
  return menu;
}

}  // namespace tq::app
