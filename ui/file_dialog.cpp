#include "ui/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/utf16.h"

namespace tq::ui {
namespace {

std::string Run(HWND owner, const FileDialogOptions& options, DWORD flags, bool save) {
  // "A|B|" becomes "A\0B\0\0".
  std::wstring filter = platform::Wide(options.filter);
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  filter.append(2, L'\0');
  // Room for a long path, not only MAX_PATH characters.
  constexpr size_t kNameRoom = 32768;
  std::vector<wchar_t> name(kNameRoom, L'\0');
  const std::wstring initial = platform::Wide(options.fileName);
  std::copy_n(initial.begin(), std::min(initial.size(), kNameRoom - 1), name.begin());
  const std::wstring ext = platform::Wide(options.defaultExt);
  const std::wstring folder = platform::Wide(options.folder);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.Flags = flags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_EXPLORER;
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  return ok ? platform::Utf8(name.data()) : std::string();
}

}  // namespace

std::string SaveFileDialog(HWND owner, const FileDialogOptions& options) {
  return Run(owner, options, OFN_OVERWRITEPROMPT, true);
}

std::string OpenFileDialog(HWND owner, const FileDialogOptions& options) {
  return Run(owner, options, OFN_FILEMUSTEXIST, false);
}

}  // namespace tq::ui
