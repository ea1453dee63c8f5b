// TLiveQuillSpellBase: the engine component with its dialogs plus the live
// switches that live spelling components share: whether marking and typing
// correction are wanted, whether the configuration's live options decide
// instead, and which entries the spelling menu offers. It shows the spelling
// menu as a Windows popup menu.
#pragma once

#include <string>

#include "spell/dialogs/quill_spell.h"
#include "spell/engine/spell_popup_menu.h"

namespace tq::ui {
class Wnd;
}

namespace tq::spell {

class TLiveQuillSpellBase : public TQuillSpell {
 public:
  explicit TLiveQuillSpellBase(const TEngineServices& services = {});
  ~TLiveQuillSpellBase() override;

  virtual void CheckSelected() = 0;
  virtual void StartLiveSpell() = 0;
  virtual void StopLiveSpell() = 0;
  virtual void StartLiveCorrect() = 0;
  virtual void StopLiveCorrect() = 0;
  // The spelling menu for the selection of cursor in the live control;
  // refused (spCancel) while a menu is open.
  virtual TSpellPopupOption ShowMenu(TControlParser* cursor, std::string& word);
  virtual void WriteLiveControl(ui::Wnd* control);
  void WriteLiveSpelling(bool on) override;
  void WriteLiveCorrect(bool on) override;
  virtual void WriteLiveOptions(bool on);
  virtual void EnableLiveSpell(bool on);
  virtual void EnableLiveCorrect(bool on);
  // Whether the word would stand in a check run.
  virtual bool CheckWord(const std::string& word);

  void ResynchOptions(bool force) override;
  // The live control is going away.
  virtual void Notification(ui::Wnd* control);

  ui::Wnd* ReadLiveControl() const { return liveControl_; }
  bool ReadLiveSpellingOptions() const { return liveSpellingOptions_; }
  bool ReadMarkingStarted() const { return markingStarted_; }
  bool ReadCorrectingStarted() const { return correctingStarted_; }
  TSpellPopupOptions LiveMenuOptions = TSpellPopupOptions::All();

 protected:
  void PresentPopupMenu(TSpellPopupMenu& menu, int x, int y) override;
  // The configuration's options, loading it when needed.
  TSpellOptions ConfiguredOptions() { return Configuration().ReadSpellOptions(); }

  ui::Wnd* liveControl_ = nullptr;
  bool liveSpellingOptions_ = true;
  bool markingStarted_ = false;
  bool correctingStarted_ = false;
  bool firstAssignment_ = true;
  bool menuShowing_ = false;

 private:
  TSpellOptions appliedOptions_;
  bool optionsApplied_ = false;
};

}  // namespace tq::spell
