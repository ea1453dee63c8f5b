#include "app/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

namespace tq::app {
namespace {
constexpr UINT kIconId = 1;
}

TrayIcon::~TrayIcon() { Hide(); }

bool TrayIcon::Show(HWND owner, UINT callbackMessage, HICON icon, const std::string& hint) {
  Hide();
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = callbackMessage;
  data.hIcon = icon;
  std::memcpy(data.szTip, hint.data(), std::min(hint.size(), sizeof data.szTip - 1));
  shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
  if (shown_) owner_ = owner;
  return shown_;
}

void TrayIcon::Hide() {
  if (!shown_) return;
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner_;
  data.uID = kIconId;
  Shell_NotifyIconA(NIM_DELETE, &data);
  shown_ = false;
}

}  // namespace tq::app
