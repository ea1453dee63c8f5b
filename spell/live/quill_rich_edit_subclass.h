// TQuillRichEditSubclass: TQuillLiveRichEdit attached to its window by a
// window procedure of its own placed in front of the control's, so that it
// sees the paint, size, keyboard, mouse and context-menu messages before the
// control does. Detaching (or the window's end) takes the procedure out.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "spell/live/quill_live_rich_edit.h"

namespace tq::spell {

class TQuillRichEditSubclass : public TQuillLiveRichEdit {
 public:
  TQuillRichEditSubclass() = default;
  ~TQuillRichEditSubclass() override;

  void WriteHWND(HWND handle) override;
  HWND ReadSubclassedWindow() const { return SubclassedWindow; }

 protected:
  LRESULT SubclassWndProc(UINT msg, WPARAM wp, LPARAM lp);

  HWND SubclassedWindow = nullptr;
  int32_t LastSelStart = 0;

 private:
  // The object-bound procedure: the window's comctl32 subclass chain carries
  // this object, so any number of subclasses may come and go in any order.
  static LRESULT CALLBACK ObjectWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
  LRESULT SavedWndProc(UINT msg, WPARAM wp, LPARAM lp) { return DefSubclassProc(SubclassedWindow, msg, wp, lp); }
  void Unsubclass();
};

}  // namespace tq::spell
