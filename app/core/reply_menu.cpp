#include "app/core/reply_menu.h"

namespace tq::app {

std::vector<ReplyMenuItem> BuildReplyMenu(const ReplyTree& tree) {
  std::vector<ReplyMenuItem> menu;
  for (const CategoryNode& category : tree.categories()) {
    // A category named "-" is still a submenu, not a separator.
    ReplyMenuItem sub{ReplyMenuItem::Kind::Submenu, category.text, -1, 0, {}};
    for (const ReplyNode& reply : category.replies)
      sub.items.push_back({ReplyMenuItem::Kind::Reply,
                           reply.text,
                           reply.index,
                           kReplyMenuFirstReplyCommand + static_cast<unsigned>(reply.index),
                           {}});
    menu.push_back(std::move(sub));
  }
  menu.push_back({ReplyMenuItem::Kind::Separator, "-", -1, 0, {}});
  menu.push_back({ReplyMenuItem::Kind::Close, "&Close", -1, kReplyMenuCloseCommand, {}});
  return menu;
}

std::optional<int> ReplyIndexOfMenuCommand(unsigned command) {
  if (command < kReplyMenuFirstReplyCommand) return std::nullopt;
  return static_cast<int>(command - kReplyMenuFirstReplyCommand);
}

}  // namespace tq::app
