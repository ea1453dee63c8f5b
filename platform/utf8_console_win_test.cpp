// quillet's console output: UTF-8 bytes show as the characters they are in
// a console window while a Utf8Console lives, and the console's own code
// page comes back afterwards; output to a pipe or file leaves it alone.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/utf8_console.h"

namespace tq::platform {
namespace {

// The test's own console, with standard output and error on it; the old
// handles come back when it ends. The console stays: under Wine, freeing
// one the process made loses what it writes to standard output after.
class OwnConsole {
 public:
  OwnConsole() : out_(GetStdHandle(STD_OUTPUT_HANDLE)), err_(GetStdHandle(STD_ERROR_HANDLE)) {
    FreeConsole();
    ok_ = AllocConsole() != 0;
    screen_ = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, 0, nullptr);
    ok_ = ok_ && screen_ != INVALID_HANDLE_VALUE;
    SetStdHandles(screen_);
  }
  ~OwnConsole() {
    SetStdHandle(STD_OUTPUT_HANDLE, out_);
    SetStdHandle(STD_ERROR_HANDLE, err_);
    if (screen_ != INVALID_HANDLE_VALUE) CloseHandle(screen_);
  }
  OwnConsole(const OwnConsole&) = delete;
  OwnConsole& operator=(const OwnConsole&) = delete;

  bool ok() const { return ok_; }
  HANDLE screen() const { return screen_; }
  static void SetStdHandles(HANDLE h) {
    SetStdHandle(STD_OUTPUT_HANDLE, h);
    SetStdHandle(STD_ERROR_HANDLE, h);
  }

 private:
  HANDLE out_, err_;
  HANDLE screen_ = INVALID_HANDLE_VALUE;
  bool ok_ = false;
};

TEST(Utf8Console, ConsoleShowsUtf8AndGetsItsCodePageBack) {
  OwnConsole console;
  ASSERT_TRUE(console.ok());
  ASSERT_TRUE(SetConsoleOutputCP(850));
  {
    const Utf8Console utf8;
    EXPECT_EQ(GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
    COORD origin{0, 0};
    ASSERT_TRUE(SetConsoleCursorPosition(console.screen(), origin));
    const std::string bytes = "\xCE\xA9 caf\xC3\xA9 \xE6\x97\xA5";  // "Ω café 日" as quillet writes it
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(console.screen(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    wchar_t shown[16] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadConsoleOutputCharacterW(console.screen(), shown, 8, origin, &read));
    EXPECT_EQ(std::wstring(shown, read), L"\u03a9 caf\u00e9 \u65e5");
  }
  EXPECT_EQ(GetConsoleOutputCP(), 850u);

  // Standard output and error going elsewhere: the console is not touched.
  HANDLE nul =
      CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(nul, INVALID_HANDLE_VALUE);
  OwnConsole::SetStdHandles(nul);
  {
    const Utf8Console utf8;
    EXPECT_EQ(GetConsoleOutputCP(), 850u);
  }
  CloseHandle(nul);
}

}  // namespace
}  // namespace tq::platform
