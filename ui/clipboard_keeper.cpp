#include "ui/clipboard_keeper.h"

#include <cstring>
#include <limits>

namespace tq::ui {
namespace {

constexpr wchar_t kKeeperClass[] = L"TqClipboardKeeper";
// Another program's clipboard access is usually over within milliseconds.
constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryPauseMs = 10;

bool OpenClipboardBriefly(HWND opener) {
  for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
    if (attempt > 0) Sleep(kOpenRetryPauseMs);
    if (OpenClipboard(opener)) return true;
  }
  return false;
}

// Formats whose handle is no memory block: the system makes CF_BITMAP and
// CF_METAFILEPICT from CF_DIB and CF_ENHMETAFILE, and the rest (palettes,
// owner display, private GDI objects) cannot be kept apart from their owner.
bool KeptAsMemory(UINT format) {
  switch (format) {
    case CF_BITMAP:
    case CF_METAFILEPICT:
    case CF_PALETTE:
    case CF_ENHMETAFILE:
    case CF_OWNERDISPLAY:
    case CF_DSPBITMAP:
    case CF_DSPMETAFILEPICT:
    case CF_DSPENHMETAFILE:
      return false;
  }
  return !(format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST) &&
         !(format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST);
}

std::optional<std::string> ReadFormat(UINT format) {
  HANDLE data = GetClipboardData(format);
  if (!data) return std::nullopt;
  if (format == CF_ENHMETAFILE) {
    auto metafile = static_cast<HENHMETAFILE>(data);
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    std::string bits(size, '\0');
    if (size == 0 || GetEnhMetaFileBits(metafile, size, reinterpret_cast<BYTE*>(bits.data())) == 0) return std::nullopt;
    return bits;
  }
  const void* p = GlobalLock(data);
  if (!p) return std::nullopt;
  std::string bytes(static_cast<const char*>(p), GlobalSize(data));
  GlobalUnlock(data);
  return bytes;
}

HANDLE MakeHandle(const ClipboardFormat& f) {
  if (f.format == CF_ENHMETAFILE) {
    // A metafile's size is 32-bit; a longer one was never read from a clipboard.
    if (f.bytes.size() > std::numeric_limits<UINT>::max()) return nullptr;
    return SetEnhMetaFileBits(static_cast<UINT>(f.bytes.size()), reinterpret_cast<const BYTE*>(f.bytes.data()));
  }
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, f.bytes.empty() ? 1 : f.bytes.size());
  if (!memory) return nullptr;
  if (void* p = GlobalLock(memory)) {
    std::memcpy(p, f.bytes.data(), f.bytes.size());
    GlobalUnlock(memory);
  }
  return memory;
}

void FreeHandle(UINT format, HANDLE handle) {
  if (format == CF_ENHMETAFILE) {
    DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
  } else {
    GlobalFree(handle);
  }
}

void SetFormat(const ClipboardFormat& f) {
  HANDLE handle = MakeHandle(f);
  // Once set, the handle is the clipboard's.
  if (handle && !SetClipboardData(f.format, handle)) FreeHandle(f.format, handle);
}

}  // namespace

std::optional<ClipboardContents> ReadClipboard(HWND opener) {
  if (!OpenClipboardBriefly(opener)) return std::nullopt;
  ClipboardContents contents;
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    if (!KeptAsMemory(format) && format != CF_ENHMETAFILE) continue;
    if (auto bytes = ReadFormat(format)) contents.push_back({format, std::move(*bytes)});
  }
  CloseClipboard();
  return contents;
}

void ClipboardKeeper::Window::Create() {
  RegisterClassOnce(kKeeperClass, 0, nullptr, nullptr);
  CreateArgs args;
  args.className = kKeeperClass;
  args.x = args.y = args.width = args.height = 0;
  args.parent = HWND_MESSAGE;
  CreateOwnClass(args);
}

LRESULT ClipboardKeeper::Window::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_RENDERFORMAT:
      keeper_.Render(static_cast<UINT>(wp));
      return 0;
    case WM_RENDERALLFORMATS:
      keeper_.RenderAll();
      return 0;
    case WM_DESTROYCLIPBOARD:
      if (!keeper_.emptying_) {
        keeper_.lost_ = true;
        keeper_.offered_.clear();
      }
      return 0;
  }
  return Wnd::WndProc(msg, wp, lp);
}

ClipboardKeeper::~ClipboardKeeper() {
  // A reply still on offer stays on the clipboard for the user. (The
  // window's own WM_RENDERALLFORMATS would come too late: by then this
  // object is gone.)
  if (StillOurs()) RenderAll();
}

bool ClipboardKeeper::Offer(ClipboardContents contents) {
  offered_ = std::move(contents);
  reads_ = 0;
  return Replace(offered_, true);
}

bool ClipboardKeeper::Put(const ClipboardContents& contents) {
  offered_.clear();
  return Replace(contents, false);
}

bool ClipboardKeeper::Replace(const ClipboardContents& contents, bool delayed) {
  if (!window_) window_.Create();
  if (!OpenClipboardBriefly(window_.Handle())) return false;
  emptying_ = true;
  EmptyClipboard();
  emptying_ = false;
  for (const ClipboardFormat& f : contents) {
    if (delayed) {
      SetClipboardData(f.format, nullptr);
    } else {
      SetFormat(f);
    }
  }
  CloseClipboard();
  lost_ = false;
  return true;
}

void ClipboardKeeper::Render(UINT format) {
  // The clipboard is open by the program that asked: set the data only.
  for (const ClipboardFormat& f : offered_) {
    if (f.format == format) {
      SetFormat(f);
      ++reads_;
      return;
    }
  }
}

void ClipboardKeeper::RenderAll() {
  if (offered_.empty() || !OpenClipboard(window_.Handle())) return;
  if (GetClipboardOwner() == window_.Handle()) {
    for (const ClipboardFormat& f : offered_) SetFormat(f);
  }
  CloseClipboard();
}

bool ClipboardKeeper::StillOurs() const { return window_ && !lost_ && GetClipboardOwner() == window_.Handle(); }

}  // namespace tq::ui
