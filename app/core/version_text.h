// The program's version as the fixed file version of its version resource
// states it, and the texts the About dialog and the splash picture show.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tq::app {

struct FileVersion {
  uint16_t major = 0;
  uint16_t minor = 0;
  uint16_t release = 0;
  uint16_t build = 0;
  bool operator==(const FileVersion&) const = default;
};

// From the two 32-bit words of the fixed file version (most significant
// first): major and minor are the high and low halves of the first, release
// and build those of the second.
FileVersion FileVersionFromWords(uint32_t mostSignificant, uint32_t leastSignificant);

// "Version 3 - Minor Build: 0.1.0" for 3.0.1.0; without a version (the
// resource could not be read) the numbers are left out:
// "Version  - Minor Build: ".
std::string VersionLineText(const std::optional<FileVersion>& version);

// The splash picture's build line: "(Minor Build: 0.1.0)" for 3.0.1.0.
std::string BuildLineText(const FileVersion& version);

}  // namespace tq::app
