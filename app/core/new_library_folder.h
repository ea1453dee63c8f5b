// Where the New command's Save dialog starts: beside the open library, so a
// new one lands with the others, or in the user's documents folder when none
// is open (never the program's own folder, where a user cannot write or
// should not).
#pragma once

#include <string>

namespace tq::app {

// The folder of `openLibrary` (a full path; empty when none is open), else
// `documents`.
std::string NewLibraryFolder(const std::string& openLibrary, const std::string& documents);

}  // namespace tq::app
