// Owning wrappers for the user-interface handles the toolkit and the program
// hold: GDI objects, icons, menus, accelerator tables, loaded modules, device
// contexts and the objects selected into them.
#pragma once

#include <windows.h>

#include <utility>

namespace tq::ui {

// Holds one handle of type H and frees it with Free when it goes away. Null
// is "no handle".
template <typename H, auto Free>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(std::exchange(o.h_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  H get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  // Gives up ownership without freeing.
  H release() { return std::exchange(h_, nullptr); }
  void reset(H h = nullptr) {
    if (h_) Free(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
};

namespace detail {
inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }
inline void DestroyIconHandle(HICON h) { DestroyIcon(h); }
inline void DestroyMenuHandle(HMENU h) { DestroyMenu(h); }
inline void DestroyAcceleratorHandle(HACCEL h) { DestroyAcceleratorTable(h); }
inline void FreeLibraryHandle(HMODULE h) { FreeLibrary(h); }
inline void DeleteDcHandle(HDC h) { DeleteDC(h); }
}  // namespace detail

using UniqueFont = UniqueHandle<HFONT, detail::DeleteGdiObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, detail::DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, detail::DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, detail::DeleteGdiObject>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
using UniqueMenu = UniqueHandle<HMENU, detail::DestroyMenuHandle>;
using UniqueAccel = UniqueHandle<HACCEL, detail::DestroyAcceleratorHandle>;
using UniqueModule = UniqueHandle<HMODULE, detail::FreeLibraryHandle>;
// A memory device context (CreateCompatibleDC), deleted with DeleteDC.
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteDcHandle>;

// A device context borrowed with GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// A GDI object (font, bitmap, brush, pen) selected into a device context for
// a scope: the object it replaced goes back in when the guard goes, so the
// device context never keeps an object that is about to be freed. Declare
// it after the object and the device context it selects into.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace tq::ui
