#include "app/single_instance.h"

#include <algorithm>

#include "app/core/hand_over.h"
#include "ui/message_box.h"

namespace tq::app {

std::string MutexName(const std::string& title) {
  std::string name = title + "Mutex";
  name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
  return name;
}

SingleInstance::SingleInstance(const std::string& title) {
  mutex_ = CreateMutexA(nullptr, FALSE, MutexName(title).c_str());
  other_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

void HandOverToFirstInstance(const std::string& title, const std::optional<std::string>& path) {
  if (path && !FitsHandOver(*path)) {
    ui::ShowErrorBox(nullptr,
                     "The file name is too long to open (more than " + std::to_string(kHandOverMaxPath) +
                         " characters):\n\n" + *path,
                     title);
  }
  HWND application = FindWindowA(nullptr, title.c_str());
  if (!application) return;
  HWND main = GetWindow(application, GW_HWNDPREV);
  if (!main) return;
  using AllowFn = BOOL(WINAPI*)(DWORD);
  if (HMODULE user32 = GetModuleHandleA("user32.dll")) {
    auto allow = reinterpret_cast<AllowFn>(reinterpret_cast<void*>(GetProcAddress(user32, "AllowSetForegroundWindow")));
    if (allow) allow(static_cast<DWORD>(-1));
  }
  COPYDATASTRUCT show{};
  SendMessageA(main, WM_COPYDATA, reinterpret_cast<WPARAM>(main), reinterpret_cast<LPARAM>(&show));
  if (path && FitsHandOver(*path)) {
    auto buffer = HandOverBuffer(*path);
    COPYDATASTRUCT open{};
    open.cbData = static_cast<DWORD>(path->size() + 1);
    open.lpData = buffer.data();
    SendMessageA(main, WM_COPYDATA, reinterpret_cast<WPARAM>(main), reinterpret_cast<LPARAM>(&open));
  }
}

}  // namespace tq::app
