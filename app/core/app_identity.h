// The program's name and the per-user key below which it keeps its settings,
// its window placement ("WS") and its recent files ("MRU").
#pragma once

#include <string_view>

namespace tq::app {

inline constexpr std::string_view ApplicationTitle = "Tavrin Quillet";
// Under the current user's root of the key store (HKEY_CURRENT_USER).
inline constexpr std::string_view SettingsKeyPath = "Software\\Morvane\\Tavrin Quillet";

}  // namespace tq::app
