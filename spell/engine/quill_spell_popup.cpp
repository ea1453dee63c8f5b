// The spelling menu of TQuillSpellBase: built from the suggestions and the
// dictionaries, shown by DoPopup, evaluated into the dictionaries, and its
// result told to every live window of the component.
#include <utility>

#include "spell/engine/quill_spell_base.h"

namespace tq::spell {

namespace {
// Clears a flag when the menu ends, also by an exception.
class BusyScope {
 public:
  explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyScope() { flag_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& flag_;
};
}  // namespace

std::unique_ptr<TSpellPopupMenu> TQuillSpellBase::CreatePopupMenu(void* Owner) {
  std::unique_ptr<TSpellPopupMenu> menu;
  if (OnPopupCreateMenu) OnPopupCreateMenu(this, Owner, menu);
  if (!menu && !OnPopupCreateMenu) menu = std::make_unique<TSpellPopupMenu>();
  if (menu) menu->Owner = Owner;
  return menu;
}

TSpellMenuItem* TQuillSpellBase::AddMenuItem(TSpellPopupMenu& Menu, TSpellMenuItem* SubMenu, const std::string& Caption,
                                             bool Enable, bool HasChildren, int Tag) {
  TSpellMenuItem* item = nullptr;
  if (OnPopupAddMenuItem) {
    OnPopupAddMenuItem(this, Menu, SubMenu, Caption, Enable, HasChildren, Tag, item);
    return item;
  }
  if (OnPopupCreateMenu) return nullptr;
  auto made = std::make_unique<TSpellMenuItem>();
  made->Caption = Caption;
  made->Enabled = Enable;
  made->Tag = Tag;
  item = made.get();
  (SubMenu ? SubMenu->Items : Menu.Items).push_back(std::move(made));
  return item;
}

void TQuillSpellBase::DoPopup(TSpellPopupMenu& Menu, int X, int Y, int& Tag, std::string& Caption) {
  popupTag_ = 0;
  popupCaption_.clear();
  Tag = 0;
  Caption.clear();
  if (OnPopupDoMenu) {
    OnPopupDoMenu(this, Menu, X, Y, Tag, Caption);
  } else if (!OnPopupCreateMenu) {
    PresentPopupMenu(Menu, X, Y);
    Tag = popupTag_;
    Caption = popupCaption_;
  }
}

void TQuillSpellBase::PopupMenuHook(const TSpellMenuItem& Item) {
  popupTag_ = Item.Tag;
  popupCaption_ = Item.Caption;
}

TSpellPopupOption TQuillSpellBase::ShowPopupMenu(void* Owner, TSpellPopupOptions Options, int X, int Y,
                                                 std::string& Word) {
  if (Word.empty() || menuBusy_) return spCancel;
  const std::string original = Word;
  TSpellPopupOption result = spCancel;
  {
    BusyScope busy(menuBusy_);
    config_->EnsureLoaded();
    std::unique_ptr<TSpellPopupMenu> menu = CreatePopupMenu(Owner);
    std::vector<std::string> suggestions;
    TSpellPopupMenu scratch;  // items go nowhere when no menu was supplied
    TSpellPopupMenu& target = menu ? *menu : scratch;
    TCustomDictionary* active = activeCustom_.get();

    if (Options.Contains(spReplace)) {
      InternalSuggest(Word, 5, suggestions);
      for (const std::string& s : suggestions) AddMenuItem(target, nullptr, s, true, false, spReplace);
      if (suggestions.empty()) AddMenuItem(target, nullptr, GetString(lsMnNoSuggestions), false, false, 0);
      AddMenuItem(target, nullptr, "-", true, false, 0);
    }
    if (Options.Contains(spIgnore)) AddMenuItem(target, nullptr, GetString(lsMnIgnore), true, false, spIgnore);
    if (Options.Contains(spIgnoreAll)) AddMenuItem(target, nullptr, GetString(lsMnIgnoreAll), true, false, spIgnoreAll);
    if (Options.Contains(spAdd)) AddMenuItem(target, nullptr, GetString(lsMnAdd), active != nullptr, false, spAdd);
    AddMenuItem(target, nullptr, "-", true, false, 0);
    if (Options.Contains(spChangeAll) && !suggestions.empty()) {
      TSpellMenuItem* sub = AddMenuItem(target, nullptr, GetString(lsMnChangeAll), true, true, 0);
      for (const std::string& s : suggestions) AddMenuItem(target, sub, s, true, false, spChangeAll);
    }
    if (Options.Contains(spAutoCorrect) && !suggestions.empty() && active) {
      TSpellMenuItem* sub = AddMenuItem(target, nullptr, GetString(lsMnAutoCorrect), true, true, 0);
      for (const std::string& s : suggestions) AddMenuItem(target, sub, s, true, false, spAutoCorrect);
    }
    if (Options.Contains(spDialog)) AddMenuItem(target, nullptr, GetString(lsMnSpelling), true, false, spDialog);

    int tag = 0;
    std::string caption;
    if (menu) DoPopup(*menu, X, Y, tag, caption);

    switch (tag) {
      case spDialog:
        result = spDialog;
        break;
      case spAutoCorrect:
        if (active) {
          active->AddAutoCorrect(Word, caption);
          result = spAutoCorrect;
          LearnSuggestion(Word, caption);
          Word = caption;
        }
        break;
      case spChangeAll:
        ignoreAll_->AddAutoCorrect(Word, caption);
        result = spChangeAll;
        LearnSuggestion(Word, caption);
        Word = caption;
        break;
      case spAdd:
        if (active) {
          active->AddIgnore(Word);
          result = spAdd;
        }
        break;
      case spIgnoreAll:
        ignoreAll_->AddIgnore(Word);
        result = spIgnoreAll;
        break;
      case spIgnore:
        result = spIgnore;
        break;
      case spReplace:
        result = spReplace;
        LearnSuggestion(Word, caption);
        Word = caption;
        break;
      default:
        break;
    }
  }
  if (OnPopupResult) OnPopupResult(this, original, Word, result);
  popupResultValue_ = result;
  popupResult_.Notify(this);
  return result;
}

}  // namespace tq::spell
