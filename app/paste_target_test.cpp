#include "app/paste_target.h"

#include <gtest/gtest.h>

#include <map>

#include "ui/test_host.h"

namespace tq::app {
namespace {

// A window of another process: the desktop's shell window, or any window
// this process does not own.
HWND ForeignWindow() {
  HWND w = GetShellWindow();
  if (!w) w = GetDesktopWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(w, &process);
  return process != GetCurrentProcessId() ? w : nullptr;
}

TEST(PasteTarget, KeysAreDroppedOnlyForAProgramWithMoreRightsOrOneThatCannotBeAsked) {
  HWND foreign = ForeignWindow();
  ASSERT_TRUE(foreign) << "no window of another process to ask about";
  DWORD foreignProcess = 0;
  GetWindowThreadProcessId(foreign, &foreignProcess);
  struct Case {
    const char* what;
    std::optional<uint32_t> own;
    std::optional<uint32_t> target;  // none: the process cannot be opened
    bool dropped;
  };
  const Case cases[] = {
      {"medium to high", 0x2000, 0x3000, true},
      {"medium to medium", 0x2000, 0x2000, false},
      {"high to medium", 0x3000, 0x2000, false},
      {"target cannot be asked", 0x2000, std::nullopt, true},
      {"no integrity levels here", std::nullopt, 0x4000, false},
  };
  for (const Case& c : cases) {
    std::map<DWORD, int> asked;
    IntegritySource fake{[&] { return c.own; },
                         [&](DWORD process) {
                           ++asked[process];
                           return c.target;
                         }};
    EXPECT_EQ(KeysWouldBeDropped(foreign, fake), c.dropped) << c.what;
    if (c.own) {
      EXPECT_EQ(asked, (std::map<DWORD, int>{{foreignProcess, 1}})) << c.what << ": asked about its process";
    }
  }
}

TEST(PasteTarget, OurOwnWindowsAndTheSystemsAnswerForThemLetKeysThrough) {
  tq::ui::testing::TestHost host;
  IntegritySource high{[] { return std::optional<uint32_t>(0x2000); },
                       [](DWORD) { return std::optional<uint32_t>(0x4000); }};
  EXPECT_FALSE(KeysWouldBeDropped(host.form.Handle(), high)) << "a window of this process";
  // The system's own answer for a process at our own level.
  EXPECT_FALSE(KeysWouldBeDropped(host.form.Handle(), SystemIntegrity()));
  const IntegritySource system = SystemIntegrity();
  if (auto own = system.own()) {
    EXPECT_EQ(system.of(GetCurrentProcessId()), own);
  }
}

TEST(PasteTarget, NamesTheProgramAndTheTopLevelWindowClass) {
  tq::ui::testing::TestHost host;
  char self[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, self, sizeof self);
  EXPECT_EQ(TargetProgram(host.form.Handle()), std::string(self, n));
  char cls[256];
  const int c = GetClassNameA(host.form.Handle(), cls, sizeof cls);
  EXPECT_EQ(TargetWindowClass(host.form.Handle()), std::string(cls, c));
}

}  // namespace
}  // namespace tq::app
