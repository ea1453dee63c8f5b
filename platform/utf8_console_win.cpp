#include <windows.h>

#include "platform/utf8_console.h"

namespace tq::platform {

namespace {

bool IsConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

Utf8Console::Utf8Console() {
  if (!IsConsole(STD_OUTPUT_HANDLE) && !IsConsole(STD_ERROR_HANDLE)) return;
  const UINT before = GetConsoleOutputCP();
  if (before != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) restore_ = before;
}

Utf8Console::~Utf8Console() {
  if (restore_) SetConsoleOutputCP(restore_);
}

}  // namespace tq::platform
