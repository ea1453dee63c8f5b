#include "spell/live/live_spelling.h"

#include <algorithm>

#include "spell/engine/quill_spell_base.h"
#include "spell/live/spell_popup_menu_win.h"
#include "ui/form.h"
#include "ui/wnd.h"

namespace tq::spell {

TLiveSpelling::TLiveSpelling(TQuillSpellBase& engine, TRunDialog runDialog, ui::Form* owner)
    : engine_(engine), runDialog_(std::move(runDialog)), owner_(owner) {
  // Live spelling is wanted unless the options say otherwise.
  engine_.WriteLiveSpelling(true);
  engine_.WriteLiveCorrect(true);
  engine_.ConfigAvailableOptions = {soLiveSpelling, soLiveCorrect, soUpcase,  soNumbers,
                                    soPrimaryOnly,  soRepeated,    soDUalCaps};
  engine_.WriteLiveUI(this);
  timer_.onTimer = [this] { OnTimer(); };
  timer_.Start(500);
}

TLiveSpelling::~TLiveSpelling() {
  timer_.Stop();
  // The watchers unhook from their windows and from the engine first.
  watchers_.clear();
  watchedControls_.clear();
  engine_.WriteLiveUI(nullptr);
}

// --- The engine's switches and options ----------------------------------------

void TLiveSpelling::EnableLiveSpell(bool on) {
  if (on == markingStarted_) return;
  if (on && !engine_.Configuration().ReadSpellOptions().Contains(soLiveSpelling)) return;
  markingStarted_ = on;
  UpdateControlState();
}

void TLiveSpelling::EnableLiveCorrect(bool on) {
  if (on == correctingStarted_) return;
  if (on && !engine_.Configuration().ReadSpellOptions().Contains(soLiveCorrect)) return;
  correctingStarted_ = on;
  UpdateControlState();
}

void TLiveSpelling::OptionsResynched(bool force) {
  const TSpellOptions options = engine_.Configuration().ReadSpellOptions();
  const bool differ = force || !optionsApplied_ || !(options == appliedOptions_);
  appliedOptions_ = options;
  optionsApplied_ = true;
  if (!differ) return;
  EnableLiveSpell(options.Contains(soLiveSpelling));
  EnableLiveCorrect(options.Contains(soLiveCorrect));
}

void TLiveSpelling::PresentPopupMenu(TSpellPopupMenu& menu, int x, int y) {
  auto* owner = static_cast<ui::Wnd*>(menu.Owner);
  ShowSpellPopupMenu(engine_, menu, owner ? owner->Handle() : GetFocus(), POINT{x, y});
}

// --- Watched controls ------------------------------------------------------

bool TLiveSpelling::ControlAdded(ui::Wnd* control) const {
  return std::find(watchedControls_.begin(), watchedControls_.end(), control) != watchedControls_.end();
}

void TLiveSpelling::AddControl(ui::Wnd* control) {
  if (!control || ControlAdded(control)) return;
  auto watcher = std::make_unique<TQuillRichEditSubclass>();
  watcher->WriteWinControl(control);
  watcher->WriteQuillSpell(&engine_);
  watcher->RunDialog = runDialog_;
  watchers_.push_back(std::move(watcher));
  watchedControls_.push_back(control);
  UpdateControlState();
}

void TLiveSpelling::RemoveControl(ui::Wnd* control) {
  const auto it = std::find(watchedControls_.begin(), watchedControls_.end(), control);
  if (it == watchedControls_.end()) return;
  const auto index = it - watchedControls_.begin();
  watchedControls_.erase(it);
  watchers_.erase(watchers_.begin() + index);  // unhooks from the window and the engine
  if (lastActiveControl_ == control) lastActiveControl_ = nullptr;
}

void TLiveSpelling::CheckWinControls() {
  for (size_t i = 0; i < watchers_.size(); ++i) {
    ui::Wnd* control = watchedControls_[i];
    if (watchers_[i]->ReadWinControl() != control && control && control->Handle())
      watchers_[i]->WriteWinControl(control);
  }
}

void TLiveSpelling::UpdateControlState() {
  for (size_t i = 0; i < watchers_.size(); ++i) {
    TQuillRichEditSubclass& w = *watchers_[i];
    const bool focused = watchedControls_[i] == lastActiveControl_;
    const bool here = focused || !autoSpellOnlyFocused_;
    w.WriteLiveSpelling(markingStarted_ && here);
    w.WriteLiveCorrect(correctingStarted_ && here);
    w.WriteLiveColor(liveSpellingColor_);
    w.AggressiveContextMenu = aggressiveContextMenu_;
  }
}

void TLiveSpelling::WriteSingeLiveControl(ui::Wnd* control) {
  if (control == singleLiveControl_) return;
  RemoveControl(singleLiveControl_);
  singleLiveControl_ = control;
  AddControl(control);
}

void TLiveSpelling::Notification(ui::Wnd* control) {
  if (!control) return;
  if (control == singleLiveControl_) WriteSingeLiveControl(nullptr);
  RemoveControl(control);
}

// --- The focus watch --------------------------------------------------------

void TLiveSpelling::OnTimer() {
  CheckWinControls();
  if (!owner_ || !owner_->Handle()) return;
  HWND focus = GetFocus();
  ui::Wnd* active = (focus && IsChild(owner_->Handle(), focus)) ? ui::Wnd::FromHandle(focus) : nullptr;
  if (active == lastActiveControl_) return;
  lastActiveControl_ = active;
  UpdateControlState();
}

// --- Settings passed to every watcher -----------------------------------------

void TLiveSpelling::WriteAggressiveContextMenu(bool on) {
  aggressiveContextMenu_ = on;
  UpdateControlState();
}
void TLiveSpelling::WriteAutospellOnlyFocused(bool on) {
  autoSpellOnlyFocused_ = on;
  UpdateControlState();
}
void TLiveSpelling::WriteLiveSpellingColor(COLORREF color) {
  liveSpellingColor_ = color;
  UpdateControlState();
}

}  // namespace tq::spell
