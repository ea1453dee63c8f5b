// The standard open and save file dialogs. A filter is written as
// "Description|*.ext|..." pairs; an empty result means the user cancelled.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tq::ui {

struct FileDialogOptions {
  std::string_view filter;
  std::string_view defaultExt;  // without the dot
  std::string_view fileName;    // initial name
  std::string_view folder;      // where the dialog starts; empty: where the system chooses
};

// Asks before overwriting, hides the read-only box, requires an existing
// folder, sizable.
std::string SaveFileDialog(HWND owner, const FileDialogOptions& options);
// Hides the read-only box, requires an existing folder and file, sizable.
std::string OpenFileDialog(HWND owner, const FileDialogOptions& options);

}  // namespace tq::ui
