#include "app/core/new_library_folder.h"

namespace tq::app {

std::string NewLibraryFolder(const std::string& openLibrary, const std::string& documents) {
  const size_t cut = openLibrary.find_last_of("\\/");
  if (cut == std::string::npos) return documents;
  // "C:\a.qdk" lies in "C:\", not in the drive's current folder "C:".
  return openLibrary.substr(0, cut == 2 && openLibrary[1] == ':' ? cut + 1 : cut);
}

}  // namespace tq::app
