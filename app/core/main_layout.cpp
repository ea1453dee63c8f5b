#include "app/core/main_layout.h"

#include <algorithm>

namespace tq::app {

MainClientSize MainMinimumClient() {
  return {kMainMinTreeWidth + kMainButtonColumnWidth,
          ButtonColumnHeight(kMainTopButtons) + kMainSplitterHeight + ButtonColumnHeight(kMainBottomButtons)};
}

int FitTreePaneHeight(int wanted, int client_height, int tree_min, int preview_min, int splitter) {
  const int most = client_height - splitter - preview_min;
  return std::max(tree_min, std::min(wanted, most));
}

}  // namespace tq::app
