#include "app/core/new_library_folder.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(NewLibraryFolder, BesideTheOpenLibraryElseTheDocuments) {
  const std::string docs = "C:\\Users\\ann\\Documents";
  const struct {
    const char* open;
    std::string folder;
  } cases[] = {
      {"", docs},
      {"D:\\Shared\\Team\\replies.qdk", "D:\\Shared\\Team"},
      {"C:\\replies.qdk", "C:\\"},
      {"\\\\server\\share\\replies.qdk", "\\\\server\\share"},
      {"replies.qdk", docs},  // no folder to go by
  };
  for (const auto& c : cases) EXPECT_EQ(NewLibraryFolder(c.open, docs), c.folder) << c.open;
}

}  // namespace
}  // namespace tq::app
