#include "ui/splitter.h"

#include <windowsx.h>

#include <algorithm>

namespace tq::ui {
namespace {
constexpr wchar_t kSplitterClass[] = L"TqSplitter";
}

void Splitter::Create(Wnd& parent, Wnd& above, int height) {
  above_ = &above;
  parentWnd_ = &parent;
  RegisterClassOnce(kSplitterClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  CreateOwnChild(parent, kSplitterClass, {0, 0, 10, height}, 0);
  SetAlign(Align::Top);
}

LRESULT Splitter::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32645)));  // IDC_SIZENS
      return TRUE;
    case WM_LBUTTONDOWN:
      grabY_ = GET_Y_LPARAM(lp);
      dragging_ = true;
      SetCapture(Handle());
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_) {
        Rect r = above_->Bounds();
        const int room = parentWnd_->ClientRect().height;
        const int wanted = r.height + GET_Y_LPARAM(lp) - grabY_;
        const int height = std::clamp(wanted, minSize, std::max(minSize, room - minSize - Bounds().height));
        if (height != r.height) {
          r.height = height;
          above_->SetBounds(r);
          parentWnd_->Relayout();
          if (onMoved) onMoved(height);
        }
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (msg == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    default:
      return Control::WndProc(msg, wp, lp);
  }
}

}  // namespace tq::ui
