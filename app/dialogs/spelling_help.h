// The spelling windows' Help buttons: each opens the program's help at the
// section on that window.
#pragma once

#include <windows.h>

#include <functional>

#include "spell/dialogs/spell_dialogs.h"

namespace tq::app {

using HelpOpener = std::function<void(HWND owner, int context)>;

// Gives the spell-check dialog, the spelling options and the two dictionary
// dialogs their help contexts, which also shows their Help buttons; a click
// opens the help through `open` (the help document by default), owned by the
// window that was clicked.
void ConnectSpellingHelp(spell::TSpellDialogs& dialogs, HelpOpener open = {});

}  // namespace tq::app
