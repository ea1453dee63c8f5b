#include "app/shell_open.h"

#include <shellapi.h>

#include "ui/message_box.h"

namespace tq::app {

void ShowHelpFile(HWND owner, int context) {
  // No WinHelp viewer ships with Windows any more: the help is an HTML page
  // beside the program, named like it.
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string path(module);
  const size_t dot = path.rfind('.');
  if (dot != std::string::npos) path.resize(dot);
  path += ".html";
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ui::ShowErrorBox(owner, "The help file " + path + " was not found.");
    return;
  }
  // An anchor needs a file: address; the shell drops it from a plain path.
  std::string url = "file:///" + path + (context ? "#context-" + std::to_string(context) : "#contents");
  for (char& c : url) {
    if (c == '\\') c = '/';
  }
  ShellExecuteA(owner, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenWebPage(HWND owner, const std::string& address, int show) {
  ShellExecuteA(owner, "open", ("http://" + address).c_str(), nullptr, nullptr, show);
}

}  // namespace tq::app
