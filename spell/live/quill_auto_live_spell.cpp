#include "spell/live/quill_auto_live_spell.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/wnd.h"

namespace tq::spell {

TQuillAutoLiveSpell::TQuillAutoLiveSpell(ui::Form* owner, const TEngineServices& services)
    : TLiveQuillSpellBase(services), owner_(owner) {
  timer_.onTimer = [this] { OnTimer(); };
  timer_.Start(500);
}

TQuillAutoLiveSpell::~TQuillAutoLiveSpell() {
  timer_.Stop();
  // The watchers unhook from their windows and from this engine first.
  watchers_.clear();
  watchedControls_.clear();
}

void TQuillAutoLiveSpell::EnableLiveSpell(bool on) {
  if (on == markingStarted_) return;
  if (on) {
    const bool allowed = liveSpellingOptions_ ? ConfiguredOptions().Contains(soLiveSpelling) : ReadLiveSpelling();
    if (!allowed) return;
    markingStarted_ = true;
    StartLiveSpell();
  } else {
    markingStarted_ = false;
    StopLiveSpell();
  }
}

void TQuillAutoLiveSpell::EnableLiveCorrect(bool on) {
  if (on == correctingStarted_) return;
  if (on) {
    const bool allowed = liveSpellingOptions_ ? ConfiguredOptions().Contains(soLiveCorrect) : ReadLiveCorrect();
    if (!allowed) return;
    correctingStarted_ = true;
    StartLiveCorrect();
  } else {
    correctingStarted_ = false;
    StopLiveCorrect();
  }
}

// --- Watched controls ------------------------------------------------------

bool TQuillAutoLiveSpell::ControlAdded(ui::Wnd* control) const {
  return std::find(watchedControls_.begin(), watchedControls_.end(), control) != watchedControls_.end();
}

void TQuillAutoLiveSpell::AddControl(ui::Wnd* control) {
  if (!control || ControlAdded(control)) return;
  auto watcher = std::make_unique<TQuillRichEditSubclass>();
  watcher->WriteWinControl(control);
  watcher->WriteQuillSpell(this);
  watchers_.push_back(std::move(watcher));
  watchedControls_.push_back(control);
  UpdateControlState();
}

void TQuillAutoLiveSpell::RemoveControl(ui::Wnd* control) {
  const auto it = std::find(watchedControls_.begin(), watchedControls_.end(), control);
  if (it == watchedControls_.end()) return;
  const auto index = it - watchedControls_.begin();
  watchedControls_.erase(it);
  watchers_.erase(watchers_.begin() + index);  // unhooks from the window and this engine
  if (lastActiveControl_ == control) lastActiveControl_ = nullptr;
}

void TQuillAutoLiveSpell::CheckWinControls() {
  for (size_t i = 0; i < watchers_.size(); ++i) {
    ui::Wnd* control = watchedControls_[i];
    if (watchers_[i]->ReadWinControl() != control && control && control->Handle())
      watchers_[i]->WriteWinControl(control);
  }
}

void TQuillAutoLiveSpell::UpdateControlState() {
  for (size_t i = 0; i < watchers_.size(); ++i) {
    TQuillRichEditSubclass& w = *watchers_[i];
    const bool focused = watchedControls_[i] == lastActiveControl_;
    const bool here = focused || !autoSpellOnlyFocused_;
    w.WriteLiveSpelling(markingStarted_ && here);
    w.WriteLiveCorrect(correctingStarted_ && here);
    w.DoubleBuffered = doubleBuffered_;
    w.WriteLiveColor(liveSpellingColor_);
    w.WriteLiveReadOnly(liveSpellingReadOnly_);
    w.ExpansionChars = expansionChars_;
    w.IrregularLineHeights = irregularLineHeights_;
    w.IrregularLeftMargin = irregularLeftMargin_;
    w.AggressiveContextMenu = aggressiveContextMenu_;
    w.OnBeginEditing = onBeginEditing_;
    w.OnWordCheck = onWordCheck_;
  }
}

void TQuillAutoLiveSpell::WriteSingeLiveControl(ui::Wnd* control) {
  if (control == singleLiveControl_) return;
  RemoveControl(singleLiveControl_);
  singleLiveControl_ = control;
  if (control) {
    WriteAutoSubclassFocus(false);
    AddControl(control);
  }
}

void TQuillAutoLiveSpell::Notification(ui::Wnd* control) {
  if (!control) return;
  if (control == singleLiveControl_) WriteSingeLiveControl(nullptr);
  RemoveControl(control);
  TLiveQuillSpellBase::Notification(control);
}

// --- The focus watch --------------------------------------------------------

void TQuillAutoLiveSpell::OnTimer() {
  CheckWinControls();
  if (!owner_ || !owner_->Handle()) return;
  HWND focus = GetFocus();
  ui::Wnd* active = (focus && IsChild(owner_->Handle(), focus)) ? ui::Wnd::FromHandle(focus) : nullptr;
  if (active == lastActiveControl_) return;
  lastActiveControl_ = active;
  if (autoSpellWhenFocused_ && active) {
    const std::string lower = LowerCaseClassName(active->Handle());
    const auto has = [&](const char* part) { return lower.find(part) != std::string::npos; };
    if ((has("richedit") && !has("quill")) || has("wwdbrichedit") || has("dxedit") || has("dxmemo") ||
        has("dxdbedit") || has("dxdbmemo"))
      AddControl(active);
  }
  UpdateControlState();
}

// --- Settings passed to every watcher -----------------------------------------------

void TQuillAutoLiveSpell::WriteExpansionChars(const std::string& chars) {
  expansionChars_ = chars;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteIrregularLineHeights(bool on) {
  irregularLineHeights_ = on;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteIrregularLeftMargin(bool on) {
  irregularLeftMargin_ = on;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteAggressiveContextMenu(bool on) {
  aggressiveContextMenu_ = on;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteAutoSubclassFocus(bool on) { autoSpellWhenFocused_ = on; }
void TQuillAutoLiveSpell::WriteAutospellOnlyFocused(bool on) {
  autoSpellOnlyFocused_ = on;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteDoubleBuffered(bool on) {
  doubleBuffered_ = on;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteLiveSpellingColor(COLORREF color) {
  liveSpellingColor_ = color;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteLiveReadOnly(bool on) {
  liveSpellingReadOnly_ = on;
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteOnBeginEditing(TQuillLiveRichEdit::TNotifyEvent event) {
  onBeginEditing_ = std::move(event);
  UpdateControlState();
}
void TQuillAutoLiveSpell::WriteOnWordCheck(TQuillLiveRichEdit::TWordCheckEvent event) {
  onWordCheck_ = std::move(event);
  UpdateControlState();
}

}  // namespace tq::spell
