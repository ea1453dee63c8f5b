// Shows the engine's spelling menu as a Windows popup menu and reports the
// clicked item to the engine (PopupMenuHook) before returning.
#pragma once

#include <windows.h>

#include "spell/engine/quill_spell_base.h"

namespace tq::spell {

// owner: a window of this thread (its top-level window owns the menu).
void ShowSpellPopupMenu(TQuillSpellBase& engine, const TSpellPopupMenu& menu, HWND owner, POINT screen);

}  // namespace tq::spell
