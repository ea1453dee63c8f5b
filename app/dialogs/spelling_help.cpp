#include "app/dialogs/spelling_help.h"

#include <utility>

#include "app/shell_open.h"

namespace tq::app {

void ConnectSpellingHelp(spell::TSpellDialogs& dialogs, HelpOpener open) {
  dialogs.HelpCtxSpellDialog = kSpellCheckHelpContext;
  dialogs.HelpCtxConfigDialog = kSpellOptionsHelpContext;
  dialogs.HelpCtxDictionariesDialog = kDictionariesHelpContext;
  dialogs.HelpCtxDictionaryEditDialog = kDictionaryEditHelpContext;
  if (!open) open = [](HWND owner, int context) { ShowHelpFile(owner, context); };
  dialogs.OnHelp = [open = std::move(open)](spell::TSpellDialogs*, const std::string&, int32_t context) {
    // The Help button's own window is the active one while it is clicked.
    open(GetActiveWindow(), context);
  };
}

}  // namespace tq::app
