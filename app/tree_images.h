// TreeImageList: the reply tree's three pictures, drawn at start on a grid
// of 16 by 16 scaled for the screen's DPI (24 pixels at 144 dpi): a closed
// category, an opened category and a reply.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

namespace tq::app {

class TreeImageList {
 public:
  // The pictures for a screen of `dpi`.
  explicit TreeImageList(int dpi);
  ~TreeImageList();
  TreeImageList(const TreeImageList&) = delete;
  TreeImageList& operator=(const TreeImageList&) = delete;

  HIMAGELIST Handle() const { return list_; }

 private:
  HIMAGELIST list_ = nullptr;
};

}  // namespace tq::app
