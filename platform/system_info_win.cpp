#include <windows.h>

#include <vector>

#include "platform/system_info.h"

namespace tq::platform {

std::string UserName() {
  char buf[257] = {};
  DWORD len = sizeof buf;
  return GetUserNameA(buf, &len) ? std::string(buf) : std::string();
}

std::string ProgramPath() {
  std::vector<char> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return "";
    if (n < buf.size()) return std::string(buf.data(), n);
    buf.resize(buf.size() * 2);
  }
}

std::string ProgramFolder() {
  std::string path = ProgramPath();
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string SpecialFolderPath(SpecialFolder folder) {
  // Looked up at run time: very old shells lack the function.
  using Fn = BOOL(WINAPI*)(HWND, LPSTR, int, BOOL);
  HMODULE shell = LoadLibraryA("shell32.dll");
  if (!shell) return "";
  auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathA")));
  char buf[MAX_PATH] = {};
  const int id = folder == SpecialFolder::AppData ? 26 : 5;  // CSIDL_APPDATA, CSIDL_PERSONAL
  std::string result = fn && fn(nullptr, buf, id, FALSE) ? std::string(buf) : std::string();
  FreeLibrary(shell);
  return result;
}

std::string ExpandEnvironment(const std::string& text) {
  char buf[4096];
  DWORD n = ExpandEnvironmentStringsA(text.c_str(), buf, sizeof buf);
  if (n == 0 || n > sizeof buf) return text;
  return std::string(buf);
}

}  // namespace tq::platform
