#include "app/tree_images.h"

#include <gtest/gtest.h>

#include "ui/handles.h"

namespace tq::app {
namespace {

// Where picture `index` is drawn (not transparent): drawn over a ground of
// a colour the pictures do not use.
RECT DrawnPart(HIMAGELIST list, int index, int size) {
  constexpr COLORREF kGround = RGB(0, 255, 0);
  const ui::WindowDc screen(nullptr);
  const ui::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  const ui::UniqueBitmap canvas(CreateCompatibleBitmap(screen.get(), size, size));
  HDC dc = memory.get();
  const ui::SelectedObject selected(dc, canvas.get());
  RECT all{0, 0, size, size};
  ui::UniqueBrush ground(CreateSolidBrush(kGround));
  FillRect(dc, &all, ground.get());
  ImageList_Draw(list, index, dc, 0, 0, ILD_TRANSPARENT);
  RECT drawn{INT_MAX, INT_MAX, -1, -1};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (GetPixel(dc, x, y) != kGround)
        drawn = {std::min<LONG>(drawn.left, x), std::min<LONG>(drawn.top, y), std::max<LONG>(drawn.right, x + 1),
                 std::max<LONG>(drawn.bottom, y + 1)};
  return drawn;
}

// The pictures follow the screen's DPI: 16, 20 and 24 pixels, each drawn
// over the same part of its square at every size (a reply's page over
// columns 3 to 12 and rows 1 to 14 of 16, a closed category over columns 1
// to 14 and rows 3 to 13), to the nearest pixel.
TEST(TreeImageList, PicturesFollowTheScreensDpi) {
  const struct {
    int dpi, size;
    RECT page, folder;
  } cases[] = {{96, 16, {3, 1, 13, 15}, {1, 3, 15, 14}},
               {120, 20, {4, 1, 16, 19}, {1, 4, 19, 18}},
               {144, 24, {5, 2, 20, 23}, {2, 5, 23, 21}}};
  for (const auto& c : cases) {
    TreeImageList images(c.dpi);
    ASSERT_TRUE(images.Handle());
    int width = 0, height = 0;
    ImageList_GetIconSize(images.Handle(), &width, &height);
    EXPECT_EQ(width, c.size) << c.dpi;
    EXPECT_EQ(height, c.size) << c.dpi;
    EXPECT_EQ(ImageList_GetImageCount(images.Handle()), 3);
    const RECT page = DrawnPart(images.Handle(), 2, c.size), folder = DrawnPart(images.Handle(), 0, c.size);
    EXPECT_TRUE(EqualRect(&page, &c.page))
        << c.dpi << ": page " << page.left << "," << page.top << " " << page.right << "," << page.bottom;
    EXPECT_TRUE(EqualRect(&folder, &c.folder))
        << c.dpi << ": folder " << folder.left << "," << folder.top << " " << folder.right << "," << folder.bottom;
  }
}

}  // namespace
}  // namespace tq::app
