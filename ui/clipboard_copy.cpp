#include "ui/clipboard_copy.h"

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

}  // namespace tq::ui
