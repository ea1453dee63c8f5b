#include "ui/clipboard_copy.h"

#include <cstring>

namespace tq::ui {
namespace {

// Another program's clipboard access is usually over within milliseconds;
// the user is waiting for the paste, so the retries stay short.
constexpr int kCopyAttempts = 10;
constexpr DWORD kCopyRetryPauseMs = 20;

bool OwnedByThisProcess(HWND owner) {
  DWORD process = 0;
  return owner && GetWindowThreadProcessId(owner, &process) && process == GetCurrentProcessId();
}

}  // namespace

bool CopySelectionChecked(HWND control) {
  for (int attempt = 0; attempt < kCopyAttempts; ++attempt) {
    if (attempt > 0) Sleep(kCopyRetryPauseMs);
    // Open elsewhere, the copy cannot get in (and some systems count the
    // failed attempt as a change all the same).
    if (GetOpenClipboardWindow() != nullptr) continue;
    const DWORD before = GetClipboardSequenceNumber();
    SendMessageW(control, WM_COPY, 0, 0);
    // A copy that got in changed the clipboard and left this program (the
    // control, or the window that renders its formats) as its owner.
    if (GetClipboardSequenceNumber() != before && OwnedByThisProcess(GetClipboardOwner())) return true;
  }
  return false;
}

bool AddClipboardFormat(HWND opener, const wchar_t* formatName, std::string_view bytes) {
  const UINT format = RegisterClipboardFormatW(formatName);
  if (format == 0) return false;
  bool opened = false;
  for (int attempt = 0; attempt < kCopyAttempts && !opened; ++attempt) {
    if (attempt > 0) Sleep(kCopyRetryPauseMs);
    opened = OpenClipboard(opener) != FALSE;
  }
  if (!opened) return false;
  bool set = false;
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1)) {
    if (void* p = GlobalLock(memory)) {
      std::memcpy(p, bytes.data(), bytes.size());
      static_cast<char*>(p)[bytes.size()] = '\0';
      GlobalUnlock(memory);
    }
    // Once set, the memory is the clipboard's.
    set = SetClipboardData(format, memory) != nullptr;
    if (!set) GlobalFree(memory);
  }
  CloseClipboard();
  return set;
}

}  // namespace tq::ui
