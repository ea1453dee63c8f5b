// For window tests: the hints the program has given its controls, read back
// from the tooltip windows that show them.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/utf16.h"

namespace tq::ui::testing {

namespace detail {

struct HintSearch {
  HWND owner = nullptr;
  std::vector<std::pair<HWND, std::string>> hints;
};

inline BOOL CALLBACK CollectHints(HWND hwnd, LPARAM p) {
  auto* search = reinterpret_cast<HintSearch*>(p);
  wchar_t cls[64] = {};
  GetClassNameW(hwnd, cls, 64);
  if (std::wstring(cls) != TOOLTIPS_CLASSW) return TRUE;
  if (search->owner && GetWindow(hwnd, GW_OWNER) != search->owner) return TRUE;
  const int count = static_cast<int>(SendMessageW(hwnd, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.lpszText = text;
    if (SendMessageW(hwnd, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info))) {
      search->hints.emplace_back(reinterpret_cast<HWND>(info.uId), platform::Utf8(text));
    }
  }
  return TRUE;
}

}  // namespace detail

// The hints of this thread's tooltip windows, each with the control it is
// shown over; only those of the tooltips `owner` owns when it is given. A
// hint added twice is listed twice.
inline std::vector<std::pair<HWND, std::string>> ThreadHints(HWND owner = nullptr) {
  detail::HintSearch search;
  search.owner = owner;
  EnumThreadWindows(GetCurrentThreadId(), &detail::CollectHints, reinterpret_cast<LPARAM>(&search));
  return search.hints;
}

}  // namespace tq::ui::testing
