// What the program learns about the window a reply is pasted into before it
// sends any key: the program and window class that choose the paste method,
// and whether Windows would let the keys through at all (it drops input
// sent to a program running at a higher integrity level, without a word).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tq::app {

// The full path of the program that owns `window`; empty when it cannot be
// asked.
std::string TargetProgram(HWND window);
// The class of `window`'s top-level window.
std::string TargetWindowClass(HWND window);

// Where integrity levels come from: this process's, and another process's
// by its id. Either answers nothing when it cannot tell.
struct IntegritySource {
  std::function<std::optional<uint32_t>()> own;
  std::function<std::optional<uint32_t>(DWORD processId)> of;
};
// The system's: the mandatory label of the process's token.
IntegritySource SystemIntegrity();

// Whether keys sent to `window` would be dropped for its program's
// integrity level.
bool KeysWouldBeDropped(HWND window, const IntegritySource& source);

}  // namespace tq::app
