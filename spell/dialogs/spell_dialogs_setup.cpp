// TSpellDialogs' options and dictionary dialogs: the spelling options, the
// custom dictionaries, the edit dialog of one dictionary and the folder
// browser that adds a folder of main dictionaries. Each is modal over the
// window it was opened from; what it changes is in the configuration and
// the dictionaries by the time it closes.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include "platform/utf16.h"
#include "spell/dialogs/custom_dictionaries_dialog.h"
#include "spell/dialogs/custom_dictionary_edit_dialog.h"
#include "spell/dialogs/spell_check_config_dialog.h"
#include "spell/dialogs/spell_dialogs.h"

namespace tq::spell {

namespace {

// The dialogs are opened from the window the user is working in (the
// spell-check dialog, the options dialog, ...): the active window of this
// thread, or none.
HWND OwnerWindow() {
  HWND active = GetActiveWindow();
  return active && GetWindowThreadProcessId(active, nullptr) == GetCurrentThreadId() ? active : nullptr;
}

}  // namespace

template <typename TForm>
void TSpellDialogs::ShowModalDialog(bool textFonts, TCustomDictionary* dictionary) {
  TForm form(OwnerWindow());
  SetupFormFonts(&form, textFonts);
  SetupDialogControl(&form, dictionary);
  form.ShowModal();
}

void TSpellDialogs::Setup(void*) {
  ShowModalDialog<TSpellCheckConfigDialog>(false, nullptr);
  engine_.OptimizeMainDictionaryOrder();
}

void TSpellDialogs::SetupCustomDictionaries(void*) { ShowModalDialog<TCustomDictionariesDialog>(false, nullptr); }

void TSpellDialogs::EditCustomDictionary(void*, TCustomDictionary* Dictionary) {
  ShowModalDialog<TCustomDictionaryEditDialog>(true, Dictionary);
  // Every user of the engine sees the edited words.
  engine_.FireConfigurationChanged(true);
}

std::string TSpellDialogs::SetupAddDictionaryDir(void*) {
  std::string folder;
  const std::string title = engine_.GetString(lsDlgBrowseForMainTitle);
  const std::wstring wideTitle = platform::Wide(title);
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = OwnerWindow();
  info.pszDisplayName = displayName;
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
  if (!chosen) return {};
  wchar_t path[MAX_PATH] = {};
  if (SHGetPathFromIDListW(chosen, path)) folder = platform::Utf8(path);
  CoTaskMemFree(chosen);
  return folder;
}

}  // namespace tq::spell
