// TrayIcon: the program's icon in the notification area, with a hint. Mouse
// events on it arrive at the owner window as `callbackMessage` with the mouse
// message in lParam. Removed when destroyed.
#pragma once

#include <windows.h>

#include <string>

namespace tq::app {

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Shows the icon; true when the shell took it.
  bool Show(HWND owner, UINT callbackMessage, HICON icon, const std::string& hint);
  void Hide();
  bool Shown() const { return shown_; }

 private:
  HWND owner_ = nullptr;
  bool shown_ = false;
};

}  // namespace tq::app
