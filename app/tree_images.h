// TreeImageList: the reply tree's three 16 by 16 pictures, drawn at start:
// a closed category, an opened category and a reply.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

namespace tq::app {

class TreeImageList {
 public:
  TreeImageList();
  ~TreeImageList();
  TreeImageList(const TreeImageList&) = delete;
  TreeImageList& operator=(const TreeImageList&) = delete;

  HIMAGELIST Handle() const { return list_; }

 private:
  HIMAGELIST list_ = nullptr;
};

}  // namespace tq::app
