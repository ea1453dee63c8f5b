#include "app/about/picture.h"

#include "ui/dpi.h"
#include "ui/handles.h"

namespace tq::app {

Picture::~Picture() {
  // The control draws the bitmap: it must go first.
  Destroy();
}

void Picture::Create(ui::Wnd& parent, int x, int y) {
  CreateControl(parent, L"STATIC", {x, y, 0, 0}, {}, SS_BITMAP | SS_NOTIFY);
}

bool Picture::Load(int id) {
  bitmap_.reset(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  ShowBitmap();
  return !Empty();
}

Size Picture::PictureSize() const {
  BITMAP info{};
  if (!bitmap_ || !GetObjectW(bitmap_.get(), sizeof info, &info)) return {};
  return {info.bmWidth, info.bmHeight};
}

void Picture::StretchTo(Size size) {
  const Size natural = PictureSize();
  if (!bitmap_ || natural == size || size.width <= 0 || size.height <= 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = size.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ui::UniqueBitmap stretched(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!stretched) return;
  {
    const ui::UniqueMemoryDc from(CreateCompatibleDC(nullptr)), to(CreateCompatibleDC(nullptr));
    const ui::SelectedObject fromBitmap(from.get(), bitmap_.get()), toBitmap(to.get(), stretched.get());
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, size.width, size.height, from.get(), 0, 0, natural.width, natural.height, SRCCOPY);
  }
  // The control lets go of the old bitmap before it is freed.
  Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(stretched.get()));
  bitmap_ = std::move(stretched);
  ShowBitmap();
}

void Picture::ScaleFor(int dpi) {
  const Size natural = PictureSize();
  StretchTo({ui::ScaleForDpi(natural.width, dpi), ui::ScaleForDpi(natural.height, dpi)});
}

void Picture::Draw(const std::function<void(HDC dc, Size size)>& paint) {
  if (!bitmap_) return;
  {
    const ui::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const ui::SelectedObject selected(dc.get(), bitmap_.get());
    paint(dc.get(), PictureSize());
  }
  ShowBitmap();
}

void Picture::ShowBitmap() {
  Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_.get()));
  // The control takes the bitmap's size; an empty picture takes no room.
  const Size size = PictureSize();
  SetWindowPos(Handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool Picture::OnCommandReflected(int code) {
  if (code != STN_CLICKED) return false;
  if (onClick) onClick();
  return true;
}

}  // namespace tq::app
