// The program's name and the per-user key below which it keeps its settings,
// its window placement ("WS") and its recent files ("MRU").
#pragma once

#include <string_view>

namespace tq::app {

inline constexpr std::string_view ApplicationTitle = "Tavrin Quillet";
// Under the current user's root of the key store (HKEY_CURRENT_USER).
inline constexpr std::string_view SettingsKeyPath = "Software\\Morvane\\Tavrin Quillet";

// Web addresses, without their scheme.
inline constexpr std::string_view HomePage = "www.morvane.com/quillet/";
inline constexpr std::string_view ProductPage = "www.morvane.com/quillet/";
inline constexpr std::string_view SupportPage = "www.morvane.com/quillet/support/";

}  // namespace tq::app
