// The popup reply menu as data, built from the reply tree: one submenu per
// category in tree order holding its replies (with the same texts, hotkey
// suffixes included), then a separator and "&Close". Collapsed categories
// are listed in full. Captions are menu captions: an '&' marks the next
// letter as the access key.
#pragma once

#include <string>
#include <vector>

#include "app/core/reply_tree.h"

namespace tq::app {

struct ReplyMenuItem {
  enum class Kind { Submenu, Reply, Separator, Close };
  Kind kind = Kind::Reply;
  std::string caption;               // "-" for the separator
  int reply_index = -1;              // Reply: the reply's index, which its item inserts
  std::vector<ReplyMenuItem> items;  // Submenu: its replies
};

// The top level of the menu.
std::vector<ReplyMenuItem> BuildReplyMenu(const ReplyTree& tree);

}  // namespace tq::app
