// The texts the "&ReOpen" submenu shows for the recent-files list's items:
// each entry numbered with its access key ("&1 Replies.qdk", ... "1&0 ..."),
// the file name's own ampersands shown as written. Separators and the
// disabled "(none)" placeholder are shown as they are and take no number.
#pragma once

#include <string>
#include <vector>

#include "app/core/menu_items.h"

namespace tq::app {

std::vector<std::string> RecentFileMenuTexts(const std::vector<MenuItemData>& items);

}  // namespace tq::app
