#include "app/core/version_text.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(VersionText, TheWordsSplitIntoFourNumbers) {
  EXPECT_EQ(FileVersionFromWords(0x00030000, 0x00010000), (FileVersion{3, 0, 1, 0}));
  EXPECT_EQ(FileVersionFromWords(0xFFFE0102, 0x0304FFFF), (FileVersion{0xFFFE, 0x0102, 0x0304, 0xFFFF}));
}

TEST(VersionText, TheVersionLineNamesMajorThenTheRest) {
  const struct {
    FileVersion version;
    const char* line;
    const char* build;
  } cases[] = {
      {{1, 0, 0, 0}, "Version 1 - Minor Build: 0.0.0", "(Minor Build: 0.0.0)"},
      {{3, 0, 1, 0}, "Version 3 - Minor Build: 0.1.0", "(Minor Build: 0.1.0)"},
      {{2, 12, 345, 6789}, "Version 2 - Minor Build: 12.345.6789", "(Minor Build: 12.345.6789)"},
      {{65535, 65535, 65535, 65535},
       "Version 65535 - Minor Build: 65535.65535.65535",
       "(Minor Build: 65535.65535.65535)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VersionLineText(c.version), c.line);
    EXPECT_EQ(BuildLineText(c.version), c.build);
  }
}

TEST(VersionText, AnUnreadableVersionLeavesTheNumbersOut) {
  EXPECT_EQ(VersionLineText(std::nullopt), "Version  - Minor Build: ");
}

}  // namespace
}  // namespace tq::app
