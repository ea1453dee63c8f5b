#include "app/core/library_open_failure.h"

#include <gtest/gtest.h>

#include "library/reply_library.h"
#include "platform/forwarding_env.h"
#include "tests/support/temp_dir.h"

namespace tq::app {
namespace {

// Opening fails as the system says when the user may not read or write.
class DeniedEnv final : public platform::ForwardingEnv {
 public:
  DeniedEnv() : ForwardingEnv(platform::Env::Default()) {}
  platform::Status OpenFile(const std::string& path, platform::FileAccess, platform::FileShare, platform::FileCreate,
                            std::unique_ptr<platform::File>*) override {
    return platform::Status::Error("Cannot open " + path + ": Access denied", 5, platform::FileError::AccessDenied);
  }
};

// The text a failed open shows, from the table's real failure on each kind
// of file.
TEST(LibraryOpenFailure, NamesWhatWasWrongOnALineBelowTheMessage) {
  testing::TempDir dir;
  const std::string text = dir.File("notes.txt");
  std::string letter;
  for (int line = 0; line < 20; ++line) letter += "Dear customer, thank you for your letter.\r\n";
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), text, letter));
  const std::string empty = dir.File("empty.qdk");
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), empty, ""));
  const std::string library = dir.File("replies.qdk");
  storage::TBinaryDataSet holder;
  library::CreateReplyTable(holder, library);
  DeniedEnv denied;

  struct Case {
    std::string path;
    platform::Env* env;
    bool held;  // another program has the library open
    std::string text;
  } cases[] = {
      {text, &platform::Env::Default(), false,
       "Error opening " + text + "\nThis is not a library file: Invalid file type."},
      {empty, &platform::Env::Default(), false,
       "Error opening " + empty + "\nThis is not a library file: it ends too early."},
      {dir.File("gone.qdk"), &platform::Env::Default(), false,
       "Error opening " + dir.File("gone.qdk") + "\nThe file does not exist."},
      {library, &denied, false, "Error opening " + library + "\nAccess to the file is denied."},
      {library, &platform::Env::Default(), true,
       "Error opening " + library + "\nThe file is in use by another program."},
  };
  for (const Case& c : cases) {
    if (c.held) library::OpenReplyTable(holder, library);
    storage::TBinaryDataSet table(*c.env);
    try {
      library::OpenReplyTable(table, c.path);
      ADD_FAILURE() << c.path << " opened";
    } catch (const std::exception& e) {
      EXPECT_EQ(LibraryOpenErrorText(c.path, e), c.text);
    }
    holder.Close();
  }
}

}  // namespace
}  // namespace tq::app
