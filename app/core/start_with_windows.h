// "Start with Windows": a value named after the program under the current
// user's Run key, holding the program file's path in quotes. The installer
// writes the same value when its start-with-Windows choice is ticked.
#pragma once

#include <string>
#include <string_view>

#include "platform/key_store.h"

namespace tq::app {

// Under the current user's root of the key store.
inline constexpr std::string_view RunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// What the Run value holds for `programPath`: the path in double quotes, so
// that a path with spaces starts the right file.
std::string RunCommand(const std::string& programPath);

// Whether the Run value starts this program file: the program named in it,
// quoted or not and with any arguments after it, is `programPath` when
// letter case is ignored. A value naming another copy is not ours.
bool StartsWithWindows(platform::KeyStore& keys, const std::string& programPath);

// Writes the Run value for `programPath`, or removes it. False when the key
// store refused.
bool SetStartWithWindows(platform::KeyStore& keys, const std::string& programPath, bool start);

}  // namespace tq::app
