#include "app/core/main_layout.h"

#include <algorithm>

#include "app/core/settings.h"
#include "ui/core/layout_scale.h"

namespace tq::app {

using ui::core::ScaleForDpi;

int MainTreePaneMinimum(int dpi) { return ScaleForDpi(ButtonColumnHeight(kMainTopButtons), dpi); }
int MainPreviewPaneMinimum(int dpi) { return ScaleForDpi(ButtonColumnHeight(kMainBottomButtons), dpi); }
int MainSplitterHeight(int dpi) { return ScaleForDpi(kMainSplitterHeight, dpi); }

MainClientSize MainMinimumClient(int dpi) {
  // Summed from the scaled parts, which round each on their own.
  return {ScaleForDpi(kMainMinTreeWidth, dpi) + ScaleForDpi(kMainButtonColumnWidth, dpi),
          MainTreePaneMinimum(dpi) + MainSplitterHeight(dpi) + MainPreviewPaneMinimum(dpi)};
}

int InitialTreePaneHeight(std::optional<int> stored, int dpi) {
  return stored && *stored > 0 ? *stored : ScaleForDpi(kDefaultSplit, dpi);
}

int FitTreePaneHeight(int wanted, int client_height, int tree_min, int preview_min, int splitter) {
  const int most = client_height - splitter - preview_min;
  return std::max(tree_min, std::min(wanted, most));
}

}  // namespace tq::app
