#include "spell/live/quill_rich_edit_subclass.h"

#include <commctrl.h>
#include <richedit.h>

#include <exception>

#include "ui/message_box.h"

namespace tq::spell {

namespace {
constexpr UINT_PTR kSubclassId = 0x51554C4C;  // one per window for this class
}

TQuillRichEditSubclass::~TQuillRichEditSubclass() { WriteWinControl(nullptr); }

void TQuillRichEditSubclass::Unsubclass() {
  if (SubclassedWindow && IsWindow(SubclassedWindow))
    RemoveWindowSubclass(SubclassedWindow, &TQuillRichEditSubclass::ObjectWndProc, kSubclassId);
  SubclassedWindow = nullptr;
}

void TQuillRichEditSubclass::WriteHWND(HWND handle) {
  Unsubclass();
  TQuillLiveRichEdit::WriteHWND(handle);
  if (handle && IsWindow(handle) &&
      SetWindowSubclass(handle, &TQuillRichEditSubclass::ObjectWndProc, kSubclassId,
                        reinterpret_cast<DWORD_PTR>(this))) {
    SubclassedWindow = handle;
    LastSelStart = SelStart();
  }
}

LRESULT CALLBACK TQuillRichEditSubclass::ObjectWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                       DWORD_PTR data) {
  auto* self = reinterpret_cast<TQuillRichEditSubclass*>(data);
  try {
    return self->SubclassWndProc(msg, wp, lp);
  } catch (const std::exception& e) {
    ui::ShowExceptionBox(hwnd, e.what());
  } catch (...) {
    ui::ShowExceptionBox(hwnd, "Unknown error");
  }
  return 0;
}

LRESULT TQuillRichEditSubclass::SubclassWndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      bool secondPass = false;
      LRESULT result = 0;
      if (WMPaint(secondPass)) result = SavedWndProc(msg, wp, lp);
      if (secondPass) WMPaintCleanup();
      return result;
    }
    case WM_ERASEBKGND:
      if (WMEraseBkgnd(reinterpret_cast<HDC>(wp))) return SavedWndProc(msg, wp, lp);
      return 1;
    case WM_SIZE:
      WMSize();
      break;
    case WM_CONTEXTMENU:
      if (WMContextMenu(lp)) return 0;
      break;
    case WM_NCDESTROY: {
      const HWND window = SubclassedWindow;
      const LRESULT result = SavedWndProc(msg, wp, lp);
      RemoveWindowSubclass(window, &TQuillRichEditSubclass::ObjectWndProc, kSubclassId);
      SubclassedWindow = nullptr;
      WriteWinControl(nullptr);
      return result;
    }
    case EM_SETREADONLY: {
      const LRESULT result = SavedWndProc(msg, wp, lp);
      EMSetReadOnly();
      return result;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (WMKeyDown(wp)) return 0;
      break;
    case WM_KEYUP:
      WMKeyUp();
      break;
    case WM_CHAR:
      KeyPress(static_cast<wchar_t>(wp));
      break;
    case WM_RBUTTONDOWN:
      if (WMRButtonDown(lp)) return 0;
      break;
    case EM_GETOLEINTERFACE:
      EMGetOleInterface();
      break;
    case EM_SETTARGETDEVICE:
      EMSetTargetDevice();
      break;
    default:
      break;
  }
  // The general step: a caret moved by a key or a click may leave a word
  // that was left unmarked while the caret stood at its end.
  if (msg == WM_KEYUP || msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP) {
    const int32_t start = SelStart();
    if (start != LastSelStart) {
      LastSelStart = start;
      NotifySelectionChange();
    }
  }
  return SavedWndProc(msg, wp, lp);
}

}  // namespace tq::spell
