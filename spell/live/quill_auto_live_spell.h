// TQuillAutoLiveSpell: the spelling component a form carries. It is a full
// engine component with its dialogs and, in addition, watches rich edit
// controls of its form with live spelling (one TQuillRichEditSubclass each),
// keeps their settings in step, switches them on and off as the live options
// change, and every 500 ms re-attaches watchers whose window was re-created
// and follows the focus.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "spell/live/live_quill_spell_base.h"
#include "spell/live/quill_rich_edit_subclass.h"
#include "ui/timer.h"

namespace tq::ui {
class Form;
class Wnd;
}  // namespace tq::ui

namespace tq::spell {

class TQuillAutoLiveSpell : public TLiveQuillSpellBase {
 public:
  // owner: the form whose focused control is followed (may be none).
  explicit TQuillAutoLiveSpell(ui::Form* owner, const TEngineServices& services = {});
  ~TQuillAutoLiveSpell() override;

  void CheckSelected() override {}
  void StartLiveSpell() override { UpdateControlState(); }
  void StopLiveSpell() override { UpdateControlState(); }
  void StartLiveCorrect() override { UpdateControlState(); }
  void StopLiveCorrect() override { UpdateControlState(); }
  void EnableLiveSpell(bool on) override;
  void EnableLiveCorrect(bool on) override;

  virtual void WriteExpansionChars(const std::string& chars);
  virtual void WriteIrregularLineHeights(bool on);
  virtual void WriteIrregularLeftMargin(bool on);
  virtual void WriteAggressiveContextMenu(bool on);
  virtual void WriteAutoSubclassFocus(bool on);
  virtual void WriteAutospellOnlyFocused(bool on);
  virtual void WriteDoubleBuffered(bool on);
  virtual void WriteLiveSpellingColor(COLORREF color);
  virtual void WriteLiveReadOnly(bool on);
  // The LiveControl property: the control watched from the start.
  virtual void WriteSingeLiveControl(ui::Wnd* control);
  virtual void WriteOnBeginEditing(TQuillLiveRichEdit::TNotifyEvent event);
  virtual void WriteOnWordCheck(TQuillLiveRichEdit::TWordCheckEvent event);
  // Attaches again every watcher whose window went away.
  virtual void CheckWinControls();
  virtual void UpdateControlState();
  virtual void AddControl(ui::Wnd* control);
  virtual void RemoveControl(ui::Wnd* control);
  virtual bool ControlAdded(ui::Wnd* control) const;
  // A control of the form is going away.
  void Notification(ui::Wnd* control) override;
  // One tick of the focus watch (the timer calls it every 500 ms).
  void OnTimer();

  ui::Wnd* ReadSingleLiveControl() const { return singleLiveControl_; }
  int ReadWatcherCount() const { return static_cast<int>(watchers_.size()); }
  TQuillRichEditSubclass* ReadWatcher(int i) const { return watchers_[static_cast<size_t>(i)].get(); }
  const std::string& ReadExpansionChars() const { return expansionChars_; }
  bool ReadAggressiveContextMenu() const { return aggressiveContextMenu_; }
  bool ReadAutoSpellWhenFocused() const { return autoSpellWhenFocused_; }
  bool ReadAutoSpellOnlyFocusedControl() const { return autoSpellOnlyFocused_; }
  COLORREF ReadLiveSpellingColor() const { return liveSpellingColor_; }

 private:
  ui::Form* owner_;
  ui::Timer timer_;
  ui::Wnd* lastActiveControl_ = nullptr;
  std::vector<std::unique_ptr<TQuillRichEditSubclass>> watchers_;
  std::vector<ui::Wnd*> watchedControls_;
  std::string expansionChars_ = std::string(" .,;:\t");
  bool irregularLineHeights_ = false;
  bool irregularLeftMargin_ = false;
  bool aggressiveContextMenu_ = false;
  bool autoSpellWhenFocused_ = true;
  bool autoSpellOnlyFocused_ = false;
  bool doubleBuffered_ = true;
  COLORREF liveSpellingColor_ = RGB(255, 0, 0);
  bool liveSpellingReadOnly_ = false;
  ui::Wnd* singleLiveControl_ = nullptr;
  TQuillLiveRichEdit::TNotifyEvent onBeginEditing_;
  TQuillLiveRichEdit::TWordCheckEvent onWordCheck_;
};

}  // namespace tq::spell
