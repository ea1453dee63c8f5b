#include "ui/message_box.h"

#include <iterator>

#include "platform/utf16.h"

namespace tq::ui {

void ShowErrorBox(HWND owner, std::string_view text, std::string_view caption) {
  MessageBoxW(owner, platform::Wide(text).c_str(), platform::Wide(caption).c_str(), MB_OK | MB_ICONERROR);
}

bool ConfirmBox(HWND owner, std::string_view text, std::string_view caption) {
  return MessageBoxW(owner, platform::Wide(text).c_str(), platform::Wide(caption).c_str(),
                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::string ApplicationTitleOf(HWND hwnd) {
  if (!hwnd || !IsWindow(hwnd)) return {};
  HWND top = GetAncestor(hwnd, GA_ROOT);
  if (!top) top = hwnd;
  for (HWND owner = GetWindow(top, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) top = owner;
  wchar_t title[256] = {};
  GetWindowTextW(top, title, static_cast<int>(std::size(title)));
  return platform::Utf8(title);
}

void ShowExceptionBox(HWND anchor, std::string_view message) {
  HWND owner = GetActiveWindow();
  std::string caption = ApplicationTitleOf(anchor ? anchor : owner);
  if (caption.empty()) caption = "Error";
  MessageBoxW(owner, platform::Wide(message).c_str(), platform::Wide(caption).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace tq::ui
