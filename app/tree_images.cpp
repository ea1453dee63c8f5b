#include "app/tree_images.h"

#include <algorithm>

#include "ui/dpi.h"
#include "ui/handles.h"

namespace tq::app {
namespace {

constexpr int kGrid = 16;  // the pictures are drawn on a grid of this size
constexpr COLORREF kMask = RGB(255, 0, 255);

// Draws on the 16-by-16 grid, scaled to pictures of `size` pixels.
class Painter {
 public:
  Painter(HDC dc, int size) : dc_(dc), size_(size) {}

  void Fill(int x, int l, int t, int r, int b, COLORREF colour) const {
    RECT rc{x + At(l), At(t), x + At(r), At(b)};
    ui::UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc_, &rc, brush.get());
  }

  // A frame one grid line wide (at least a pixel).
  void Frame(int x, int l, int t, int r, int b, COLORREF colour) const {
    RECT rc{x + At(l), At(t), x + At(r), At(b)};
    ui::UniqueBrush brush(CreateSolidBrush(colour));
    for (int i = 0; i < std::max(1, size_ / kGrid) && rc.right - rc.left > 2; ++i) {
      FrameRect(dc_, &rc, brush.get());
      InflateRect(&rc, -1, -1);
    }
  }

 private:
  int At(int grid) const { return MulDiv(grid, size_, kGrid); }

  HDC dc_;
  int size_;
};

// Draws picture `which` (0 closed folder, 1 open folder, 2 page) at x.
void Draw(const Painter& p, int which, int x) {
  const COLORREF outline = RGB(128, 96, 0);
  switch (which) {
    case 0:
      p.Fill(x, 1, 3, 7, 5, RGB(240, 200, 80));
      p.Fill(x, 1, 4, 15, 14, RGB(250, 215, 100));
      p.Frame(x, 1, 4, 15, 14, outline);
      break;
    case 1:
      p.Fill(x, 1, 3, 7, 5, RGB(240, 200, 80));
      p.Fill(x, 1, 4, 14, 14, RGB(230, 185, 70));
      p.Frame(x, 1, 4, 14, 14, outline);
      p.Fill(x, 4, 8, 16, 14, RGB(255, 230, 140));
      p.Frame(x, 4, 8, 16, 14, outline);
      break;
    default:
      p.Fill(x, 3, 1, 13, 15, RGB(255, 255, 255));
      p.Frame(x, 3, 1, 13, 15, RGB(80, 80, 80));
      for (int y = 4; y <= 12; y += 2) p.Fill(x, 5, y, 11, y + 1, RGB(60, 90, 170));
      break;
  }
}

}  // namespace

TreeImageList::TreeImageList(int dpi) {
  const int size = ui::ScaleForDpi(kGrid, dpi);
  list_ = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 3, 0);
  if (!list_) return;
  ui::UniqueBitmap strip;
  {
    const ui::WindowDc screen(nullptr);
    const ui::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    strip.reset(CreateCompatibleBitmap(screen.get(), size * 3, size));
    HDC dc = memory.get();
    const ui::SelectedObject selected(dc, strip.get());
    RECT all{0, 0, size * 3, size};
    ui::UniqueBrush mask(CreateSolidBrush(kMask));
    FillRect(dc, &all, mask.get());
    const Painter painter(dc, size);
    for (int i = 0; i < 3; ++i) Draw(painter, i, i * size);
  }
  // Out of the device context first: a bitmap selected into one cannot be
  // added to the list.
  ImageList_AddMasked(list_, strip.get(), kMask);
}

TreeImageList::~TreeImageList() {
  if (list_) ImageList_Destroy(list_);
}

}  // namespace tq::app
