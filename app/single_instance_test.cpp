#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/hand_over.h"
#include "ui/application.h"
#include "ui/form.h"

namespace tq::app {
namespace {

// A first instance's main window: owned by the application window, its
// caption the title and more; it keeps what WM_COPYDATA brings.
class FirstInstanceWindow : public ui::Form {
 public:
  struct Message {
    uintptr_t tag;
    std::string bytes;
  };
  std::vector<Message> received;
  std::vector<std::optional<std::string>> paths;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_COPYDATA) {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
      received.push_back({data->dwData, std::string(static_cast<const char*>(data->lpData), data->cbData)});
      paths.push_back(HandedOverPath(*data));
      return TRUE;
    }
    return Form::WndProc(msg, wp, lp);
  }
};

TEST(SingleInstance, APathWithAnyCharacterReachesTheFirstInstanceWhole) {
  const std::string title = "Tavrin Quillet hand-over test " + std::to_string(GetCurrentProcessId());
  ui::Application application(title);
  FirstInstanceWindow main;
  main.Create({.caption = title + " - C:\\Replies\\Old.qdk", .owner = application.Handle()});
  // Windows-1252 letters, Greek, CJK, a character beyond the BMP and a
  // combining mark: none of it survives the ANSI code page.
  const std::string path = "C:\\R\xC3\xA9ponses\\\xCE\xA9\xE6\x96\x87\\\xF0\x9F\x98\x80 e\xCC\x81.qdk";
  HandOverToFirstInstance(title, path);
  ASSERT_EQ(main.received.size(), 2u) << "the show message, then the path";
  EXPECT_EQ(main.received[0].bytes, "");
  EXPECT_EQ(main.paths[0], std::nullopt);
  EXPECT_EQ(main.received[1].tag, kHandOverUtf8Tag);
  EXPECT_EQ(main.received[1].bytes, path + '\0');
  EXPECT_EQ(main.paths[1], path);
}

TEST(SingleInstance, TheOlderProgramsAnsiPathIsReadAsUtf8) {
  if (GetACP() != 1252) GTEST_SKIP() << "the path is Windows-1252";
  char buffer[260] = "C:\\Caf\xE9\\R\xE9ponses \x80.qdk";
  COPYDATASTRUCT old{};  // dwData 0, the whole zero-filled buffer
  old.cbData = sizeof buffer;
  old.lpData = buffer;
  EXPECT_EQ(HandedOverPath(old), "C:\\Caf\xC3\xA9\\R\xC3\xA9ponses \xE2\x82\xAC.qdk");
  COPYDATASTRUCT show{};
  EXPECT_EQ(HandedOverPath(show), std::nullopt);
}

}  // namespace
}  // namespace tq::app
