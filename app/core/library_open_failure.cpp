#include "app/core/library_open_failure.h"

#include "storage/errors.h"

namespace tq::app {

std::string LibraryOpenFailureReason(const std::exception& failure) {
  if (const auto* stream = dynamic_cast<const storage::EStreamError*>(&failure)) {
    switch (stream->kind()) {
      case platform::FileError::InUse:
        return "The file is in use by another program.";
      case platform::FileError::AccessDenied:
        return "Access to the file is denied.";
      case platform::FileError::Other:
        break;
    }
  }
  const std::string what = failure.what();
  if (what == "Table file not found.") return "The file does not exist.";
  // Opening reads only the header and the field table; a read past the end
  // means the file is shorter than they are.
  if (what == "Stream read error") return "This is not a library file: it ends too early.";
  return "This is not a library file: " + what;
}

std::string LibraryOpenErrorText(const std::string& path, const std::exception& failure) {
  return "Error opening " + path + "\n" + LibraryOpenFailureReason(failure);
}

}  // namespace tq::app
