#include "app/about/program_version.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/system_info.h"
#include "platform/utf16.h"

namespace tq::app {

std::optional<FileVersion> ProgramFileVersion() {
  const std::wstring path = platform::Wide(platform::ProgramPath());
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return std::nullopt;
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return std::nullopt;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != 0xFEEF04BD) {
    return std::nullopt;
  }
  return FileVersionFromWords(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
}

}  // namespace tq::app
