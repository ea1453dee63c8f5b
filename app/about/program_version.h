// Reading the fixed file version from the running program file's version
// resource.
#pragma once

#include <optional>

#include "app/core/version_text.h"

namespace tq::app {

// None when the program file has no readable version resource.
std::optional<FileVersion> ProgramFileVersion();

}  // namespace tq::app
