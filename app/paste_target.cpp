#include "app/paste_target.h"

#include <vector>

#include "app/core/integrity_rule.h"
#include "platform/utf16.h"
#include "platform/win_handle.h"

namespace tq::app {
namespace {

platform::UniqueHandle OpenForQuery(DWORD processId) {
  return platform::UniqueHandle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
}

std::optional<uint32_t> IntegrityOf(HANDLE process) {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &raw)) return std::nullopt;
  const platform::UniqueHandle token(raw);
  DWORD size = 0;
  GetTokenInformation(raw, TokenIntegrityLevel, nullptr, 0, &size);
  if (size < sizeof(TOKEN_MANDATORY_LABEL)) return std::nullopt;
  std::vector<unsigned char> buffer(size);
  if (!GetTokenInformation(raw, TokenIntegrityLevel, buffer.data(), size, &size)) return std::nullopt;
  PSID sid = reinterpret_cast<TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
  if (!sid || !IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0) return std::nullopt;
  return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1);
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

}  // namespace

std::string TargetProgram(HWND window) {
  platform::UniqueHandle process = OpenForQuery(ProcessOf(window));
  if (!process) return {};
  wchar_t path[MAX_PATH * 2];
  DWORD size = sizeof path / sizeof path[0];
  if (!QueryFullProcessImageNameW(process.get(), 0, path, &size)) return {};
  return platform::Utf8(std::wstring_view(path, size));
}

std::string TargetWindowClass(HWND window) {
  HWND top = GetAncestor(window, GA_ROOT);
  wchar_t name[256];
  const int n = GetClassNameW(top ? top : window, name, sizeof name / sizeof name[0]);
  return n > 0 ? platform::Utf8(std::wstring_view(name, n)) : std::string();
}

IntegritySource SystemIntegrity() {
  return {[] { return IntegrityOf(GetCurrentProcess()); },
          [](DWORD processId) -> std::optional<uint32_t> {
            platform::UniqueHandle process = OpenForQuery(processId);
            if (!process) return std::nullopt;
            return IntegrityOf(process.get());
          }};
}

bool KeysWouldBeDropped(HWND window, const IntegritySource& source) {
  const std::optional<uint32_t> own = source.own();
  // A system without integrity levels drops nothing: no need to ask the
  // target.
  if (!own) return false;
  const DWORD process = ProcessOf(window);
  if (process == GetCurrentProcessId()) return false;
  return KeysDroppedByIntegrity(own, process ? source.of(process) : std::nullopt);
}

}  // namespace tq::app
