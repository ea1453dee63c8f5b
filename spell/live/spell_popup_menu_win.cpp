#include "spell/live/spell_popup_menu_win.h"

#include "ui/menu.h"

namespace tq::spell {

namespace {
void AddItems(TQuillSpellBase& engine, ui::Menu& target, const std::vector<std::unique_ptr<TSpellMenuItem>>& items) {
  for (const auto& item : items) {
    if (item->Caption == "-") {
      target.AddSeparator();
    } else if (!item->Items.empty()) {
      AddItems(engine, target.AddSubmenu(item->Caption), item->Items);
    } else {
      const TSpellMenuItem* clicked = item.get();
      const int id = target.AddItem(item->Caption, [&engine, clicked] {
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
