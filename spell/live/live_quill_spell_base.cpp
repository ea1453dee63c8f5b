#include "spell/live/live_quill_spell_base.h"

#include "spell/live/spell_popup_menu_win.h"
#include "spell/live/win_api_control_parser.h"
#include "ui/wnd.h"

namespace tq::spell {

TLiveQuillSpellBase::TLiveQuillSpellBase(const TEngineServices& services) : TQuillSpell(services) {
  TQuillSpellBase::WriteLiveSpelling(true);
  TQuillSpellBase::WriteLiveCorrect(true);
  ConfigAvailableOptions = {soLiveSpelling, soLiveCorrect, soUpcase, soNumbers, soPrimaryOnly, soRepeated, soDUalCaps};
}

TLiveQuillSpellBase::~TLiveQuillSpellBase() = default;

void TLiveQuillSpellBase::WriteLiveSpelling(bool on) {
  if (on == ReadLiveSpelling()) return;
  TQuillSpellBase::WriteLiveSpelling(on);
  EnableLiveSpell(on);
}

void TLiveQuillSpellBase::WriteLiveCorrect(bool on) {
  if (on == ReadLiveCorrect()) return;
  TQuillSpellBase::WriteLiveCorrect(on);
  EnableLiveCorrect(on);
}

void TLiveQuillSpellBase::WriteLiveOptions(bool on) {
  if (on != liveSpellingOptions_) liveSpellingOptions_ = on;
  if (on) {
    const TSpellOptions options = ConfiguredOptions();
    EnableLiveSpell(options.Contains(soLiveSpelling));
    EnableLiveCorrect(options.Contains(soLiveCorrect));
  } else {
    EnableLiveSpell(ReadLiveSpelling());
    EnableLiveCorrect(ReadLiveCorrect());
  }
}

void TLiveQuillSpellBase::EnableLiveSpell(bool) {}
void TLiveQuillSpellBase::EnableLiveCorrect(bool) {}

void TLiveQuillSpellBase::ResynchOptions(bool force) {
  if (ReadLoading()) {
    TQuillSpell::ResynchOptions(force);
    return;
  }
  const TSpellOptions options = Configuration().ReadSpellOptions();
  const bool differ = force || !optionsApplied_ || !(options == appliedOptions_);
  TQuillSpell::ResynchOptions(force);
  appliedOptions_ = options;
  optionsApplied_ = true;
  if (differ && liveSpellingOptions_) {
    EnableLiveSpell(options.Contains(soLiveSpelling));
    EnableLiveCorrect(options.Contains(soLiveCorrect));
  }
}

bool TLiveQuillSpellBase::CheckWord(const std::string& word) { return Verdict(word).Type == wcAccepted; }

void TLiveQuillSpellBase::WriteLiveControl(ui::Wnd* control) {
  if (control == liveControl_) return;
  const bool spelling = markingStarted_ || firstAssignment_;
  const bool correcting = correctingStarted_ || firstAssignment_;
  EnableLiveSpell(false);
  EnableLiveCorrect(false);
  liveControl_ = control;
  if (spelling) EnableLiveSpell(true);
  if (correcting) EnableLiveCorrect(true);
  firstAssignment_ = false;
}

void TLiveQuillSpellBase::Notification(ui::Wnd* control) {
  if (control && control == liveControl_) {
    EnableLiveSpell(false);
    EnableLiveCorrect(false);
    liveControl_ = nullptr;
  }
}

TSpellPopupOption TLiveQuillSpellBase::ShowMenu(TControlParser* cursor, std::string& word) {
  if (menuShowing_ || ReadMenuBusy() || !cursor) return spCancel;
  menuShowing_ = true;
  struct Clear {
    bool& flag;
    ~Clear() { flag = false; }
  } clear{menuShowing_};
  if (liveControl_) cursor->Initialize(liveControl_);
  TSpellRect r;
  cursor->GetSelectionScreenPosition(r);
  const TSpellPopupOption result = ShowPopupMenu(liveControl_, LiveMenuOptions, r.Left, r.Bottom, word);
  if (result == spDialog) {
    const TSpellEndMessage endMessage = EndMessage;
    const TSpellDialogInitialPos initialPos = DialogInitialPos;
    EndMessage = emNever;
    DialogInitialPos = ipUnderSelection;
    CheckSelected();
    EndMessage = endMessage;
    DialogInitialPos = initialPos;
  }
  return result;
}

void TLiveQuillSpellBase::PresentPopupMenu(TSpellPopupMenu& menu, int x, int y) {
  auto* owner = static_cast<ui::Wnd*>(menu.Owner);
  ShowSpellPopupMenu(*this, menu, owner ? owner->Handle() : GetFocus(), POINT{x, y});
}

}  // namespace tq::spell
