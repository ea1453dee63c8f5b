#include "platform/system_info.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tq::platform {
namespace {

TEST(SystemInfo, ProgramPathAndUser) {
  std::string path = ProgramPath();
  ASSERT_FALSE(path.empty());
  EXPECT_NE(path.find("platform_tests"), std::string::npos);
  EXPECT_EQ(path.rfind(ProgramFolder(), 0), 0u);
  EXPECT_LT(ProgramFolder().size(), path.size());
  EXPECT_FALSE(UserName().empty());
  EXPECT_FALSE(SpecialFolderPath(SpecialFolder::AppData).empty());
}

TEST(SystemInfo, ExpandEnvironment) {
#ifdef _WIN32
  _putenv("TQ_TEST_VAR=value");
#else
  setenv("TQ_TEST_VAR", "value", 1);
#endif
  EXPECT_EQ(ExpandEnvironment("a%TQ_TEST_VAR%b%TQ_TEST_VAR%"), "avaluebvalue");
  EXPECT_EQ(ExpandEnvironment("%TQ_NO_SUCH_VAR%x"), "%TQ_NO_SUCH_VAR%x");
  EXPECT_EQ(ExpandEnvironment("100%"), "100%");
}

// A value of no single ANSI code page comes back whole in UTF-8.
TEST(SystemInfo, ExpandEnvironmentInUtf8) {
#ifdef _WIN32
  _wputenv(L"TQ_TEST_WIDE=\u03a9\u65e5");
#else
  setenv("TQ_TEST_WIDE", "\xCE\xA9\xE6\x97\xA5", 1);
#endif
  EXPECT_EQ(ExpandEnvironment("%TQ_TEST_WIDE%/x", PathEncoding::Utf8), "\xCE\xA9\xE6\x97\xA5/x");
  EXPECT_EQ(ProgramPath(PathEncoding::Utf8), ProgramPath());  // the build folder's name is ASCII
}

}  // namespace
}  // namespace tq::platform
