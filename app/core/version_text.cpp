#include "app/core/version_text.h"

namespace tq::app {
namespace {

std::string MinorBuild(const FileVersion& v) {
  return std::to_string(v.minor) + "." + std::to_string(v.release) + "." + std::to_string(v.build);
}

}  // namespace

FileVersion FileVersionFromWords(uint32_t mostSignificant, uint32_t leastSignificant) {
  return {static_cast<uint16_t>(mostSignificant >> 16), static_cast<uint16_t>(mostSignificant & 0xFFFF),
          static_cast<uint16_t>(leastSignificant >> 16), static_cast<uint16_t>(leastSignificant & 0xFFFF)};
}

std::string VersionLineText(const std::optional<FileVersion>& version) {
  if (!version) return "Version  - Minor Build: ";
  return "Version " + std::to_string(version->major) + " - Minor Build: " + MinorBuild(*version);
}

std::string BuildLineText(const FileVersion& version) { return "(Minor Build: " + MinorBuild(version) + ")"; }

}  // namespace tq::app
