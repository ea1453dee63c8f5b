#include "spell/live/spell_popup_menu_win.h"

#include "spell/engine/control_text.h"
#include "ui/menu.h"

namespace tq::spell {

namespace {
// The suggested words are the dictionaries' (Windows-1252); every other
// caption is an interface text (UTF-8).
std::string MenuText(const TSpellMenuItem& item) {
  const bool word =
      item.Items.empty() && (item.Tag == spReplace || item.Tag == spChangeAll || item.Tag == spAutoCorrect);
  return word ? Utf8OfEngineText(item.Caption) : item.Caption;
}

void AddItems(TQuillSpellBase& engine, ui::Menu& target, const std::vector<std::unique_ptr<TSpellMenuItem>>& items) {
  for (const auto& item : items) {
    if (item->Caption == "-") {
      target.AddSeparator();
    } else if (!item->Items.empty()) {
      AddItems(engine, target.AddSubmenu(MenuText(*item)), item->Items);
    } else {
      const TSpellMenuItem* clicked = item.get();
      const int id = target.AddItem(MenuText(*item), [&engine, clicked] {
        if (clicked->Tag > 0) engine.PopupMenuHook(*clicked);
      });
      if (!item->Enabled) target.SetEnabled(id, false);
    }
  }
}
}  // namespace

void ShowSpellPopupMenu(TQuillSpellBase& engine, const TSpellPopupMenu& menu, HWND owner, POINT screen) {
  ui::Menu popup(ui::Menu::Kind::Popup);
  AddItems(engine, popup, menu.Items);
  HWND top = owner ? GetAncestor(owner, GA_ROOT) : GetActiveWindow();
  if (!top) return;
  popup.Popup(top, screen);
}

}  // namespace tq::spell
