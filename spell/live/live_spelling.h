// TLiveSpelling: live spelling over the rich edits of a form, for one
// spell-check engine that it is given and that outlives it. It watches each
// control with a TQuillRichEditSubclass, keeps their settings in step,
// switches marking and typing correction on and off as the engine's live
// switches and options change, shows the engine's spelling menu as a Windows
// popup menu, and every 500 ms attaches again watchers whose window was
// re-created and follows the focus. The menu's dialog item runs the
// spell-check dialog through the callback it was given.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "spell/engine/spell_options.h"
#include "spell/engine/spell_ui.h"
#include "spell/live/quill_rich_edit_subclass.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui/wnd.h"

namespace tq::spell {

class TQuillSpellBase;

class TLiveSpelling : public TLiveUI {
 public:
  // Runs the spell-check dialog over a window's selection.
  using TRunDialog = std::function<void(HWND window)>;

  // owner: the form whose focused control is followed (may be none).
  TLiveSpelling(TQuillSpellBase& engine, TRunDialog runDialog, ui::Form* owner = nullptr);
  ~TLiveSpelling() override;
  TLiveSpelling(const TLiveSpelling&) = delete;
  TLiveSpelling& operator=(const TLiveSpelling&) = delete;

  TQuillSpellBase& Engine() const { return engine_; }

  void WriteAggressiveContextMenu(bool on);
  void WriteAutospellOnlyFocused(bool on);
  void WriteLiveSpellingColor(COLORREF color);
  // The LiveControl property: the control watched from the start.
  void WriteSingeLiveControl(ui::Wnd* control);
  void AddControl(ui::Wnd* control);
  // A control of the form is going away.
  void Notification(ui::Wnd* control);
  // One tick of the focus watch (the timer calls it every 500 ms).
  void OnTimer();

  int ReadWatcherCount() const { return static_cast<int>(watchers_.size()); }
  TQuillRichEditSubclass* ReadWatcher(int i) const { return watchers_[static_cast<size_t>(i)].get(); }

  // --- The engine's live interface ---
  void PresentPopupMenu(TSpellPopupMenu& Menu, int X, int Y) override;
  void LiveSpellingChanged(bool on) override { EnableLiveSpell(on); }
  void LiveCorrectChanged(bool on) override { EnableLiveCorrect(on); }
  void OptionsResynched(bool force) override;

 private:
  // Marking and correction start only where the configuration allows them.
  void EnableLiveSpell(bool on);
  void EnableLiveCorrect(bool on);
  void RemoveControl(ui::Wnd* control);
  bool ControlAdded(ui::Wnd* control) const;
  // Attaches again every watcher whose window went away.
  void CheckWinControls();
  // Passes the switches and settings to every watcher.
  void UpdateControlState();

  TQuillSpellBase& engine_;
  TRunDialog runDialog_;
  ui::Form* owner_;
  ui::Timer timer_;
  ui::Wnd* lastActiveControl_ = nullptr;
  std::vector<std::unique_ptr<TQuillRichEditSubclass>> watchers_;
  std::vector<ui::Wnd*> watchedControls_;
  ui::Wnd* singleLiveControl_ = nullptr;
  bool aggressiveContextMenu_ = false;
  bool autoSpellOnlyFocused_ = false;
  COLORREF liveSpellingColor_ = RGB(255, 0, 0);
  bool markingStarted_ = false;
  bool correctingStarted_ = false;
  TSpellOptions appliedOptions_;
  bool optionsApplied_ = false;
};

}  // namespace tq::spell
