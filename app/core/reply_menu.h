// The popup reply menu as data, built from the reply tree: one submenu per
// category in tree order holding its replies (with the same texts, hotkey
// suffixes included), then a separator and "&Close". Collapsed categories
// are listed in full. Captions are menu captions: an '&' marks the next
// letter as the access key.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/core/reply_tree.h"

namespace tq::app {

// Command ids the Win32 side gives the items (WM_COMMAND or TPM_RETURNCMD).
// Reply ids stay within 16 bits for indexes up to 65434.
inline constexpr unsigned kReplyMenuCloseCommand = 1;
inline constexpr unsigned kReplyMenuFirstReplyCommand = 100;

struct ReplyMenuItem {
  enum class Kind { Submenu, Reply, Separator, Close };
  Kind kind = Kind::Reply;
  std::string caption;               // "-" for the separator
  int reply_index = -1;              // Reply: the tag, the reply's index
  unsigned command = 0;              // Reply and Close: the command id
  std::vector<ReplyMenuItem> items;  // Submenu: its replies
};

// The top level of the menu.
std::vector<ReplyMenuItem> BuildReplyMenu(const ReplyTree& tree);

// The reply a chosen command id inserts; none for "&Close" and unknown ids.
std::optional<int> ReplyIndexOfMenuCommand(unsigned command);

}  // namespace tq::app
