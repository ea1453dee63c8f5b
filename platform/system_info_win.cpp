// Asked of the system's wide functions and given in the caller's code page:
// the ANSI one gets what the system's ANSI functions would give.
#include <windows.h>

#include <vector>

#include "platform/system_info.h"
#include "platform/win_text.h"

namespace tq::platform {

std::string UserName(PathEncoding encoding) {
  wchar_t buf[257] = {};
  DWORD len = sizeof buf / sizeof buf[0];
  return GetUserNameW(buf, &len) ? FromWide(buf, CodePageOf(encoding)) : std::string();
}

std::string ProgramPath(PathEncoding encoding) {
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return "";
    if (n < buf.size()) return FromWide(std::wstring_view(buf.data(), n), CodePageOf(encoding));
    buf.resize(buf.size() * 2);
  }
}

std::string ProgramFolder(PathEncoding encoding) {
  std::string path = ProgramPath(encoding);
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string SpecialFolderPath(SpecialFolder folder, PathEncoding encoding) {
  // Looked up at run time: very old shells lack the function.
  using Fn = BOOL(WINAPI*)(HWND, LPWSTR, int, BOOL);
  HMODULE shell = LoadLibraryW(L"shell32.dll");
  if (!shell) return "";
  auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(shell, "SHGetSpecialFolderPathW")));
  wchar_t buf[MAX_PATH] = {};
  const int id = folder == SpecialFolder::AppData ? 26 : 5;  // CSIDL_APPDATA, CSIDL_PERSONAL
  std::string result = fn && fn(nullptr, buf, id, FALSE) ? FromWide(buf, CodePageOf(encoding)) : std::string();
  FreeLibrary(shell);
  return result;
}

std::string ExpandEnvironment(const std::string& text, PathEncoding encoding) {
  std::wstring wide;
  if (!ToWide(text, CodePageOf(encoding), &wide)) return text;
  wchar_t buf[4096];
  DWORD n = ExpandEnvironmentStringsW(wide.c_str(), buf, sizeof buf / sizeof buf[0]);
  if (n == 0 || n > sizeof buf / sizeof buf[0]) return text;
  return FromWide(buf, CodePageOf(encoding));
}

}  // namespace tq::platform
