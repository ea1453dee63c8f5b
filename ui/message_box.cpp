#include "ui/message_box.h"

namespace tq::ui {

void ShowErrorBox(HWND owner, std::string_view text, std::string_view caption) {
  MessageBoxA(owner, std::string(text).c_str(), std::string(caption).c_str(), MB_OK | MB_ICONERROR);
}

bool ConfirmBox(HWND owner, std::string_view text, std::string_view caption) {
  return MessageBoxA(owner, std::string(text).c_str(), std::string(caption).c_str(), MB_YESNO | MB_ICONQUESTION) ==
         IDYES;
}

std::string ApplicationTitleOf(HWND hwnd) {
  if (!hwnd || !IsWindow(hwnd)) return {};
  HWND top = GetAncestor(hwnd, GA_ROOT);
  if (!top) top = hwnd;
  for (HWND owner = GetWindow(top, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) top = owner;
  char title[256] = {};
  GetWindowTextA(top, title, sizeof title);
  return title;
}

void ShowExceptionBox(HWND anchor, std::string_view message) {
  HWND owner = GetActiveWindow();
  std::string caption = ApplicationTitleOf(anchor ? anchor : owner);
  if (caption.empty()) caption = "Error";
  MessageBoxA(owner, std::string(message).c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace tq::ui
