#include "app/shell_open.h"

#include <shellapi.h>

#include "platform/env.h"
#include "platform/system_info.h"
#include "platform/utf16.h"
#include "ui/message_box.h"

namespace tq::app {

void ShowHelpFile(HWND owner, int context) {
  // No WinHelp viewer ships with Windows any more: the help is an HTML page
  // beside the program, named like it.
  std::string path = platform::ProgramPath();
  const size_t dot = path.rfind('.');
  if (dot != std::string::npos) path.resize(dot);
  path += ".html";
  if (!platform::Env::Default().FileExists(path)) {
    ui::ShowErrorBox(owner, "The help file " + path + " was not found.");
    return;
  }
  // An anchor needs a file: address; the shell drops it from a plain path.
  std::string url = "file:///" + path + (context ? "#context-" + std::to_string(context) : "#contents");
  for (char& c : url) {
    if (c == '\\') c = '/';
  }
  ShellExecuteW(owner, L"open", platform::Wide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenWebPage(HWND owner, const std::string& address, int show) {
  ShellExecuteW(owner, L"open", platform::Wide("http://" + address).c_str(), nullptr, nullptr, show);
}

}  // namespace tq::app
