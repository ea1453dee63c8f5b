#include "app/tree_images.h"

#include "ui/handles.h"

namespace tq::app {
namespace {

constexpr int kSize = 16;
constexpr COLORREF kMask = RGB(255, 0, 255);

void Fill(HDC dc, int l, int t, int r, int b, COLORREF colour) {
  RECT rc{l, t, r, b};
  ui::UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &rc, brush.get());
}

void Frame(HDC dc, int l, int t, int r, int b, COLORREF colour) {
  RECT rc{l, t, r, b};
  ui::UniqueBrush brush(CreateSolidBrush(colour));
  FrameRect(dc, &rc, brush.get());
}

// Draws picture `which` (0 closed folder, 1 open folder, 2 page) at x.
void Draw(HDC dc, int which, int x) {
  const COLORREF outline = RGB(128, 96, 0);
  switch (which) {
    case 0:
      Fill(dc, x + 1, 3, x + 7, 5, RGB(240, 200, 80));
      Fill(dc, x + 1, 4, x + 15, 14, RGB(250, 215, 100));
      Frame(dc, x + 1, 4, x + 15, 14, outline);
      break;
    case 1:
      Fill(dc, x + 1, 3, x + 7, 5, RGB(240, 200, 80));
      Fill(dc, x + 1, 4, x + 14, 14, RGB(230, 185, 70));
      Frame(dc, x + 1, 4, x + 14, 14, outline);
      Fill(dc, x + 4, 8, x + 16, 14, RGB(255, 230, 140));
      Frame(dc, x + 4, 8, x + 16, 14, outline);
      break;
    default:
      Fill(dc, x + 3, 1, x + 13, 15, RGB(255, 255, 255));
      Frame(dc, x + 3, 1, x + 13, 15, RGB(80, 80, 80));
      for (int y = 4; y <= 12; y += 2) Fill(dc, x + 5, y, x + 11, y + 1, RGB(60, 90, 170));
      break;
  }
}

}  // namespace

TreeImageList::TreeImageList() {
  list_ = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 3, 0);
  if (!list_) return;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ui::UniqueBitmap strip(CreateCompatibleBitmap(screen, kSize * 3, kSize));
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, strip.get());
  Fill(dc, 0, 0, kSize * 3, kSize, kMask);
  for (int i = 0; i < 3; ++i) Draw(dc, i, i * kSize);
  SelectObject(dc, old);
  DeleteDC(dc);
  ImageList_AddMasked(list_, strip.get(), kMask);
}

TreeImageList::~TreeImageList() {
  if (list_) ImageList_Destroy(list_);
}

}  // namespace tq::app
