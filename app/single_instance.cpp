#include "app/single_instance.h"

#include <algorithm>
#include <string_view>

#include "app/core/hand_over.h"
#include "platform/utf16.h"
#include "platform/win_text.h"
#include "ui/message_box.h"

namespace tq::app {

std::string MutexName(const std::string& title) {
  std::string name = title + "Mutex";
  name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
  return name;
}

SingleInstance::SingleInstance(const std::string& title) {
  mutex_ = CreateMutexW(nullptr, FALSE, platform::Wide(MutexName(title)).c_str());
  other_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

namespace {

struct MainWindowSearch {
  HWND application;
  const std::string& title;
  HWND found = nullptr;
};

// The main window's caption is the title followed by a space or by " - "
// and the library's path.
bool IsMainWindowOf(HWND hwnd, HWND application, const std::string& title) {
  if (GetWindow(hwnd, GW_OWNER) != application) return false;
  wchar_t caption[MAX_PATH + 64] = {};
  const int n = GetWindowTextW(hwnd, caption, sizeof caption / sizeof caption[0]);
  return platform::Utf8(std::wstring_view(caption, n > 0 ? n : 0)).starts_with(title + " ");
}

BOOL CALLBACK FindOwnedWindow(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<MainWindowSearch*>(lp);
  if (!IsMainWindowOf(hwnd, search->application, search->title)) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The main window is the window just above the application window, as long
// as nothing came between them: another program's window (a taskbar, a
// tooltip) can, so the main window is then looked for among the windows the
// application window owns, in Z-order.
HWND FindMainWindow(HWND application, const std::string& title) {
  HWND above = GetWindow(application, GW_HWNDPREV);
  if (above && IsMainWindowOf(above, application, title)) return above;
  MainWindowSearch search{application, title};
  EnumWindows(FindOwnedWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

void HandOverToFirstInstance(const std::string& title, const std::optional<std::string>& path) {
  if (path && !FitsHandOver(*path)) {
    ui::ShowErrorBox(nullptr,
                     "The file name is too long to open (more than " + std::to_string(kHandOverMaxPath) +
                         " characters):\n\n" + *path,
                     title);
  }
  HWND application = FindWindowW(nullptr, platform::Wide(title).c_str());
  if (!application) return;
  HWND main = FindMainWindow(application, title);
  if (!main) return;
  using AllowFn = BOOL(WINAPI*)(DWORD);
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
    auto allow = reinterpret_cast<AllowFn>(reinterpret_cast<void*>(GetProcAddress(user32, "AllowSetForegroundWindow")));
    if (allow) allow(static_cast<DWORD>(-1));
  }
  COPYDATASTRUCT show{};
  SendMessageW(main, WM_COPYDATA, reinterpret_cast<WPARAM>(main), reinterpret_cast<LPARAM>(&show));
  if (path && FitsHandOver(*path)) {
    std::string data = HandOverData(*path);
    COPYDATASTRUCT open{};
    open.dwData = kHandOverUtf8Tag;
    open.cbData = static_cast<DWORD>(data.size());
    open.lpData = data.data();
    SendMessageW(main, WM_COPYDATA, reinterpret_cast<WPARAM>(main), reinterpret_cast<LPARAM>(&open));
  }
}

std::optional<std::string> HandedOverPath(const COPYDATASTRUCT& data) {
  std::optional<ReceivedHandOver> received = ReceivedHandOverPath(data.dwData, data.lpData, data.cbData);
  if (!received) return std::nullopt;
  if (!received->ansi) return std::move(received->path);
  std::wstring wide;
  platform::ToWide(received->path, CP_ACP, &wide);
  return platform::Utf8(wide);
}

}  // namespace tq::app
