// TQuillSpell's options and dictionary dialogs: the spelling options, the
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
#include "spell/dialogs/quill_spell.h"
#include "spell/dialogs/spell_check_config_dialog.h"

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

void TQuillSpell::InternalSetup(void* Owner) {
  TQuillSpellBase::InternalSetup(Owner);
  if (OnShowConfigDialog) return;
  {
    TSpellCheckConfigDialog form(OwnerWindow());
    SetupFormFonts(&form, false);
    SetupDialogControl(&form, nullptr);
    form.ShowModal();
  }
  OptimizeMainDictionaryOrder();
}

void TQuillSpell::InternalSetupCustomDictionaries(void* Owner) {
  TQuillSpellBase::InternalSetupCustomDictionaries(Owner);
  if (OnShowCustomDictionariesDialog) return;
  TCustomDictionariesDialog form(OwnerWindow());
  SetupFormFonts(&form, false);
  SetupDialogControl(&form, nullptr);
  form.ShowModal();
}

void TQuillSpell::InternalEditCustomDictionary(void* Owner, TCustomDictionary* Dictionary) {
  TQuillSpellBase::InternalEditCustomDictionary(Owner, Dictionary);
  if (OnShowEditCustomDictionaryDialog) return;
  TCustomDictionaryEditDialog form(OwnerWindow());
  SetupFormFonts(&form, true);
  SetupDialogControl(&form, Dictionary);
  form.ShowModal();
  // Every user of the engine sees the edited words.
  FireConfigurationChanged(true);
}

std::string TQuillSpell::InternalSetupAddDictionaryDir(void* Owner) {
  std::string folder = TQuillSpellBase::InternalSetupAddDictionaryDir(Owner);
  if (OnShowAddDictionaryDir) return folder;
  const std::string title = GetString(lsDlgBrowseForMainTitle);
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
