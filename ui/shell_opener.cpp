#include "ui/shell_opener.h"

#include <shellapi.h>

namespace tq::ui {

void ShellOpen(HWND owner, const std::string& target, int show) {
  ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, show);
}

}  // namespace tq::ui
