// Opening things with the desktop's handlers: the program's help document
// (at its contents or at a help context) and web pages.
#pragma once

#include <windows.h>

#include <string>

namespace tq::app {

// Help contexts: the main window, the configuration dialog, the reply
// dialog, and the spelling windows (the spell-check dialog, the spelling
// options, the custom dictionaries and the editing of one).
inline constexpr int kMainHelpContext = 112;
inline constexpr int kConfigHelpContext = 113;
inline constexpr int kReplyHelpContext = 114;
inline constexpr int kSpellCheckHelpContext = 115;
inline constexpr int kSpellOptionsHelpContext = 116;
inline constexpr int kDictionariesHelpContext = 117;
inline constexpr int kDictionaryEditHelpContext = 118;

// Opens the help document beside the program, at the anchor of `context` or
// at its contents when context is 0. A missing document is reported in an
// error box owned by `owner`.
void ShowHelpFile(HWND owner, int context = 0);

// Opens a web address given without its scheme, such as "www.example.com/x/".
void OpenWebPage(HWND owner, const std::string& address, int show = SW_SHOWNORMAL);

}  // namespace tq::app
