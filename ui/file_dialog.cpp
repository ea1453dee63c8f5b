#include "ui/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace tq::ui {
namespace {

std::string Run(HWND owner, const FileDialogOptions& options, DWORD flags, bool save) {
  // "A|B|" becomes "A\0B\0\0".
  std::string filter(options.filter);
  std::replace(filter.begin(), filter.end(), '|', '\0');
  filter.append(2, '\0');
  std::vector<char> name(MAX_PATH + 1, '\0');
  options.fileName.copy(name.data(), std::min(options.fileName.size(), static_cast<size_t>(MAX_PATH)));
  const std::string ext(options.defaultExt);
  const std::string folder(options.folder);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.Flags = flags | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING | OFN_EXPLORER;
  const BOOL ok = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  return ok ? std::string(name.data()) : std::string();
}

}  // namespace

std::string SaveFileDialog(HWND owner, const FileDialogOptions& options) {
  return Run(owner, options, OFN_OVERWRITEPROMPT, true);
}

std::string OpenFileDialog(HWND owner, const FileDialogOptions& options) {
  return Run(owner, options, OFN_FILEMUSTEXIST, false);
}

}  // namespace tq::ui
