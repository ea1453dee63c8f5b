// TQuillLiveRichEdit: scanning the visible lines, drawing the markers over
// the control's painting (straight on the window after the control painted,
// or into an off-screen picture the control renders with EM_FORMATRANGE), and
// the invalidations that keep markers in step with scrolling, resizing and
// the caret.
#include <richedit.h>

#include <algorithm>
#include <vector>

#include "spell/live/core/marker_position.h"
#include "spell/live/quill_live_rich_edit.h"
#include "ui/handles.h"

namespace tq::spell {

namespace {

// A copy of a rectangle of a device context, read pixel by pixel without a
// round trip to the device for each (GetPixel on a window is slow).
class PixelSnapshot {
 public:
  PixelSnapshot(HDC source, RECT area) : area_(area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HDC memory = CreateCompatibleDC(source);
    if (!bitmap_ || !memory) {
      if (memory) DeleteDC(memory);
      bitmap_.reset();
      return;
    }
    HGDIOBJ old = SelectObject(memory, bitmap_.get());
    const bool copied = BitBlt(memory, 0, 0, w, h, source, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    GdiFlush();
    if (copied) pixels_ = static_cast<const uint32_t*>(bits);
    width_ = w;
  }

  TPixelReader Reader() const {
    return [this](int32_t x, int32_t y, uint32_t& colour) {
      if (!pixels_ || x < area_.left || x >= area_.right || y < area_.top || y >= area_.bottom) return false;
      colour = pixels_[static_cast<size_t>(y - area_.top) * static_cast<size_t>(width_) + (x - area_.left)] & 0xFFFFFF;
      return true;
    };
  }

 private:
  RECT area_;
  ui::UniqueBitmap bitmap_;
  const uint32_t* pixels_ = nullptr;
  int width_ = 0;
};

// Selects a GDI object into a device context for a scope.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selected() {
    if (old_) SelectObject(dc_, old_);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

// --- Scanning and drawing -------------------------------------------------

void TQuillLiveRichEdit::PaintSpellingErrors(HDC dc, const RECT* only) {
  if (!QuillSpell || !HandleAssigned()) return;
  TrackPreviousWord = LiveMenuOptions.Contains(spIgnore);
  ui::UniquePen pen(CreatePen(PS_SOLID, 1, LiveColor));
  Selected penScope(dc, pen.get());
  const int32_t caret = SelStart();
  const RECT client = Client();
  const TLiveWordTest test = WordTest();
  {
    ui::WindowDc windowDc(WindowHandle);
    TEXTMETRICW metrics{};
    GetTextMetricsW(windowDc.get(), &metrics);
    WindowLineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  }
  int32_t line = static_cast<int32_t>(Send(EM_GETFIRSTVISIBLELINE));
  int32_t start = LineIndex(line);
  POINT topLeft = PosFromChar(start);
  while (start >= 0) {
    const int32_t top = topLeft.y;
    const int32_t nextStart = LineIndex(line + 1);
    const POINT nextTopLeft = nextStart >= 0 ? PosFromChar(nextStart) : POINT{0, client.bottom};
    const int32_t nextTop = nextTopLeft.y;
    // Lines the control did not paint over keep the markers they have.
    const int32_t bandBottom = nextStart >= 0 ? nextTop + 4 : client.bottom;
    if (!only || (top <= only->bottom && bandBottom >= only->top)) {
      const std::string text = GetLineString(line);
      bool changed = false;
      TLineCache& entry = LineCaches.Entry(line);
      if (entry.Dirty || entry.Text != text) {
        changed = true;
        entry.Text = text;
        entry.Errors.clear();
        entry.MarkerX.clear();
        bool keep = false;
        if (!QuillSpell->RunLineIgnore(text)) {
          TLineScan scan = ScanLine(text, *ParsingEngine, test, TrackPreviousWord, caret - start);
          entry.Errors = std::move(scan.errors);
          keep = scan.keep;
        }
        entry.Dirty = keep;
      }
      if (!entry.Errors.empty()) {
        const int32_t y = GetDrawingYPos(dc, line, changed, entry.Errors.front(), top, nextStart, nextTop);
        const int32_t right = PosFromChar(start + entry.Errors.back().EndX).x;
        if (entry.MarkerX.size() != 2 * entry.Errors.size() || entry.XKeyLeft != topLeft.x ||
            entry.XKeyRight != right) {
          entry.MarkerX.clear();
          for (const TSpellingError& e : entry.Errors) {
            entry.MarkerX.push_back(PosFromChar(start + e.StartX).x);
            entry.MarkerX.push_back(&e == &entry.Errors.back() ? right : PosFromChar(start + e.EndX).x);
          }
          entry.XKeyLeft = topLeft.x;
          entry.XKeyRight = right;
        }
        for (size_t i = 0; i + 1 < entry.MarkerX.size(); i += 2)
          DrawMarker(dc, y, entry.MarkerX[i], entry.MarkerX[i + 1]);
      }
    }
    if (nextStart < 0 || nextTop > client.bottom) break;
    ++line;
    start = nextStart;
    topLeft = nextTopLeft;
  }
}

void TQuillLiveRichEdit::DrawMarker(HDC dc, int32_t y, int32_t xs, int32_t xe) {
  const std::vector<TMarkerPoint> points = MarkerPoints(xs, xe, y);
  if (points.empty()) return;
  std::vector<POINT> poly;
  poly.reserve(points.size());
  for (const TMarkerPoint& p : points) poly.push_back(POINT{p.x, p.y});
  MoveToEx(dc, poly.front().x, poly.front().y, nullptr);
  PolylineTo(dc, poly.data(), static_cast<DWORD>(poly.size()));
}

int32_t TQuillLiveRichEdit::GetDrawingYPos(HDC dc, int32_t line, bool changed, const TSpellingError& firstError,
                                           int32_t top, int32_t nextIndex, int32_t next) {
  if (!HandleAssigned()) return 0;
  const int32_t lineStart = LineIndex(line);
  int32_t y = top + WindowLineHeight;
  const RECT client = Client();
  TLineCache* entry = LineCaches.Find(line);
  if (nextIndex >= 0) {
    if (next > y) y = next + 4;
    return y;
  }
  // The last line, measured before and unchanged since: the kept position.
  if (entry && !changed && entry->HeightKey == 0 && entry->CachedBottom > 0) return top + entry->CachedBottom;
  // The last line: the default font's height may exceed the window font's.
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  Send(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  if (format.dwMask & CFM_SIZE) {
    HDC screen = GetDC(nullptr);
    const int pixelsY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    ui::UniqueFont font(CreateFontW(-MulDiv(format.yHeight / 20, pixelsY, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH, format.szFaceName));
    HDC memory = CreateCompatibleDC(nullptr);
    if (memory && font) {
      Selected fontScope(memory, font.get());
      TEXTMETRICW m{};
      GetTextMetricsW(memory, &m);
      if (m.tmHeight - 1 + m.tmExternalLeading + top > y) y = m.tmHeight - 1 + m.tmExternalLeading + top;
    }
    if (memory) DeleteDC(memory);
  }
  const int32_t rel = y - top;
  const int32_t xs = PosFromChar(lineStart + firstError.StartX).x;
  const int32_t xe = PosFromChar(lineStart + firstError.EndX).x;
  PixelSnapshot shot(dc, RECT{std::max<LONG>(xs, 0), std::max<LONG>(top + rel - 10, 0),
                              std::min<LONG>(xe + 1, client.right), std::min<LONG>(top + rel + 300, client.bottom)});
  return top + LastLineMeasure(entry, changed, top, rel, xs, xe, shot.Reader());
}

// --- Painting ---------------------------------------------------------------

bool TQuillLiveRichEdit::CurrentlyDoubleBuffering() {
  if (VersionUnchecked) {
    VersionUnchecked = false;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(L"RichEd32.dll", &ignored);
    if (size > 0) {
      std::vector<char> data(size);
      VS_FIXEDFILEINFO* fixed = nullptr;
      UINT length = 0;
      if (GetFileVersionInfoW(L"RichEd32.dll", 0, size, data.data()) &&
          VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed)
        NewRichEdit = HIWORD(fixed->dwFileVersionMS) >= 5 && HIWORD(fixed->dwFileVersionLS) >= 1500;
    }
  }
  return SpellingActive && NewRichEdit && WordWrap() && SelLength() == 0 && PaintOk && BufferingAllowed;
}

bool TQuillLiveRichEdit::WMPaint(bool& secondPass) {
  secondPass = false;
  if (!SpellingActive || Busy || !HandleAssigned()) return true;
  const RECT client = Client();
  const int32_t first = static_cast<int32_t>(Send(EM_GETFIRSTVISIBLELINE));
  if (first != LastFirstLine) {
    LastFirstLine = first;
    InvalidateAll();
  } else {
    RECT update{};
    if (GetUpdateRect(WindowHandle, &update, FALSE)) {
      update.bottom = std::min(update.bottom + 4, client.bottom);
      if (!NewRichEdit) {
        update.left = client.left;
        update.right = client.right;
      }
      InvalidateRect(WindowHandle, &update, FALSE);
    }
  }
  if (CurrentlyDoubleBuffering()) {
    PaintBuffered();
    return false;
  }
  if (!WordWrap()) {
    RECT edge{client.left, client.top, client.left + 1, client.bottom};
    InvalidateRect(WindowHandle, &edge, FALSE);
  }
  PaintAreaKnown = GetUpdateRect(WindowHandle, &PaintArea, FALSE) != FALSE;
  PaintOk = true;
  secondPass = true;
  return true;
}

void TQuillLiveRichEdit::PaintBuffered() {
  const RECT client = Client();
  const int width = client.right - client.left, height = client.bottom - client.top;
  HDC screen = GetDC(nullptr);
  const int twipsX = 1440 / std::max(GetDeviceCaps(screen, LOGPIXELSX), 1);
  const int twipsY = 1440 / std::max(GetDeviceCaps(screen, LOGPIXELSY), 1);
  ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1)));
  HDC memory = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  const int32_t firstChar = LineIndex(static_cast<int32_t>(Send(EM_GETFIRSTVISIBLELINE)));
  POINT p = PosFromChar(firstChar);
  if (p.y < 0) p.y -= 1;
  bool renderFailed = !memory || !bitmap;

  PAINTSTRUCT ps;
  HDC paint = BeginPaint(WindowHandle, &ps);
  if (memory && bitmap) {
    Selected bitmapScope(memory, bitmap.get());
    FillRect(memory, &client, GetSysColorBrush(COLOR_WINDOW));
    Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
    Send(EM_FORMATRANGE, 0, 0);
    FORMATRANGE range{};
    range.hdc = range.hdcTarget = memory;
    range.rc.left = MarginDetected ? twipsX : p.x * twipsX;
    range.rc.top = p.y * twipsY;
    range.rc.right = (width - 2) * twipsX;
    range.rc.bottom = (height + 30) * twipsY;
    range.rcPage = range.rc;
    range.rcPage.left = 0;
    range.rcPage.right = width * twipsX;
    range.chrg.cpMin = firstChar;
    range.chrg.cpMax = -1;
    const LRESULT rendered = Send(EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    Send(EM_FORMATRANGE, 0, 0);
    // A control that renders nothing off-screen (Wine's rich edit answers 0)
    // paints itself from now on, with the markers drawn over it.
    renderFailed = rendered <= firstChar && GetWindowTextLengthW(WindowHandle) > firstChar;
    if (!renderFailed) {
      PaintSpellingErrors(memory);
      BitBlt(paint, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    }
  }
  EndPaint(WindowHandle, &ps);
  if (memory) DeleteDC(memory);
  if (renderFailed) {
    BufferingAllowed = false;
    RedrawWindow(WindowHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return;
  }
  if (p.x > 2 && !MarginDetected) {
    MarginDetected = true;
    InvalidateAll();
  }
}

void TQuillLiveRichEdit::WMPaintCleanup() {
  if (!HandleAssigned()) return;
  ui::WindowDc dc(WindowHandle);
  if (dc.get()) PaintSpellingErrors(dc.get(), PaintAreaKnown ? &PaintArea : nullptr);
}

bool TQuillLiveRichEdit::WMEraseBkgnd(HDC dc) {
  if (CurrentlyDoubleBuffering()) return GetObjectType(dc) == OBJ_MEMDC;
  return true;
}

void TQuillLiveRichEdit::WMSize() {
  InvalidateAll();
  PaintOk = false;
}

void TQuillLiveRichEdit::EMSetTargetDevice() {
  BufferingAllowed = false;
  InvalidateAll();
}

void TQuillLiveRichEdit::EMGetOleInterface() { MarkLineHeightCacheDirty(); }

void TQuillLiveRichEdit::EMSetReadOnly() { CheckWatchSpelling(); }

void TQuillLiveRichEdit::NotifySelectionChange() {
  if (!SpellingActive || !HandleAssigned()) return;
  const RECT client = Client();
  const int32_t caretLine = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(SelStart()), 0));
  POINTL bottomRight{client.right - 1, client.bottom - 1};
  const int32_t lastVisible = static_cast<int32_t>(
      Send(EM_LINEFROMCHAR, static_cast<WPARAM>(Send(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&bottomRight))), 0));
  for (int32_t line = static_cast<int32_t>(Send(EM_GETFIRSTVISIBLELINE)); line <= lastVisible; ++line) {
    TLineCache* entry = LineCaches.Find(line);
    if (!entry) break;
    const bool repaint = (entry->Dirty && line != caretLine) ||
                         (!NewRichEdit && line == caretLine && GetLineString(line) != entry->Text);
    if (!repaint) continue;
    const int32_t start = LineIndex(line);
    if (start < 0) break;
    entry->Dirty = true;
    const int32_t top = PosFromChar(start).y;
    const int32_t nextStart = LineIndex(line + 1);
    const int32_t bottom = nextStart >= 0 ? PosFromChar(nextStart).y : client.bottom;
    RECT band{client.left, top, client.right, bottom > top ? bottom : client.bottom};
    InvalidateRect(WindowHandle, &band, FALSE);
  }
}

}  // namespace tq::spell
