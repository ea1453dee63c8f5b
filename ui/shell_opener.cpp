#include "ui/shell_opener.h"

#include <shellapi.h>

#include "platform/utf16.h"

namespace tq::ui {

void ShellOpen(HWND owner, const std::string& target, int show) {
  ShellExecuteW(owner, L"open", platform::Wide(target).c_str(), nullptr, nullptr, show);
}

}  // namespace tq::ui
