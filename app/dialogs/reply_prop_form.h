// TReplyPropForm: the "Reply Properties" dialog, the one place where a reply
// is written. The caller puts the library table into insert or edit mode on
// the reply, shows this dialog modally, and posts the record when it ends
// with mrOk or cancels it otherwise. The record's texts are read and written
// through the library's codec (UTF-8 here, Windows-1252 in the file), all
// three together on OK, with the hotkey.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/core/hotkey_holders.h"
#include "app/core/spelling_places.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/engine/quill_spell_base.h"
#include "spell/live/live_spelling.h"
#include "storage/binary_data_set.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/hints.h"
#include "ui/hotkey_box.h"
#include "ui/label.h"
#include "ui/rich_edit.h"

namespace tq::app {

struct ReplyPropOptions {
  HWND owner = nullptr;                 // the main window; the dialog is centred on it
  std::vector<std::string> categories;  // category node texts, in tree order
  bool saveWithFormatting = true;       // "&Save with Formatting" starts ticked
  bool liveSpelling = true;             // mark misspelt words while typing
  // Where Spell.cfg and the user's dictionaries are; none: beside the program.
  SpellingPlaces spellingPlaces;
  // The program's hotkeys that other replies and the main window hold, so
  // that a combination one of them has is named when typed in HotKey.
  std::vector<HotKeyHolder> hotKeyHolders;
  // Asked on OK once the reply is complete, before anything is written into
  // the record: false keeps the dialog open with everything the user typed
  // (the caller has told the user why, in a box owned by `dialog`).
  std::function<bool(HWND dialog)> canSave;
};

class TReplyPropForm : public ui::Form {
 public:
  // Creates the (hidden) dialog on the table's current record; ShowModal
  // shows it. The table must outlive the dialog.
  TReplyPropForm(storage::TBinaryDataSet& table, const ReplyPropOptions& options);
  ~TReplyPropForm() override;

  // (Implementation-defined members follow.)

  // Whether misspelt words are to be marked while the user types; kept for
  // the spelling functions.
  bool LiveSpelling() const { return liveSpelling_; }

  // The controls, for the handlers and for tests that drive the dialog.
  ui::Label CategoryLabel, DescriptionLabel, HotKeyLabel, ResponseLabel;
  ui::ComboBox CategoryCombo;
  ui::Edit DescriptionEdit;
  ui::HotKeyBox HotKey;
  ui::RichEdit ResponseRichEdit;
  ui::Button PasteBtn, LoadBtn, SpellCheckBtn, RemoveFormatBtn;
  ui::CheckBox SaveFormatCheck;
  ui::Button OkBtn, CancelBtn, HelpBtn;

  // The reply text's spelling: marked while typed (with the LiveSpelling
  // setting), checked from SpellCheckBtn; created and destroyed with the
  // dialog. The engine outlives its dialogs and live spelling.
  std::unique_ptr<spell::TQuillSpellBase> QuillSpell;
  std::unique_ptr<spell::TSpellDialogs> SpellDialogs;
  std::unique_ptr<spell::TLiveSpelling> LiveSpeller;

  void OkBtnClick();
  void SpellCheckBtnClick();
  void PasteBtnClick();
  void LoadBtnClick();
  void RemoveFormatBtnClick();
  void HelpBtnClick();
  // Load From File once a file is chosen.
  void LoadFile(const std::string& path);
  // A registered hotkey was pressed while the dialog is open, which the
  // main window received in place of HotKey. In HotKey, a combination that
  // another hotkey holds is named in a message; the reply's own is taken.
  void HotKeyPressed(uint32_t value);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnSize(int width, int height) override;

 private:
  void FormCreate(const ReplyPropOptions& options);
  void LayOut();
  // Puts a stored reply text into ResponseRichEdit: rich text when it reads
  // as such, plain text otherwise.
  void LoadReplyText(const std::string& text);
  // Writes the reply (the text in the form the user chose) into the record;
  // false when the text does not fit and the dialog stays open.
  bool StoreReply();
  void WriteTexts(const std::string& response);
  void ShowError(const std::string& text, ui::Wnd& focus);
  void CreateSpelling(const ReplyPropOptions& options);

  storage::TBinaryDataSet& table_;
  std::string category_, description_;  // as typed or chosen, UTF-8
  std::vector<HotKeyHolder> hotKeyHolders_;
  std::function<bool(HWND)> canSave_;
  bool liveSpelling_ = true;
  bool created_ = false;  // the controls exist and can be laid out
  ui::UniqueFont textFont_;
  ui::Hints hints_;
};

}  // namespace tq::app
