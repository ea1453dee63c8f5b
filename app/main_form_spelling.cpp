// TMainForm's "Check Spelling of All Replies": every reply in turn through
// the spell-check dialog, each corrected reply written back as one change.
#include <exception>

#include "app/core/library_spell_check.h"
#include "app/core/spell_settings.h"
#include "app/dialogs/spelling_help.h"
#include "app/library_check_form.h"
#include "app/main_form.h"
#include "app/main_form_dialog_scope.h"
#include "library/reply_library.h"
#include "library/reply_record.h"
#include "platform/utf16.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/dialogs/spelling_form.h"
#include "storage/reply_layout.h"
#include "ui/message_box.h"

namespace tq::app {

void TMainForm::CheckAllRepliesMIClick() {
  if (!LibraryWritable() || DialogBusy) return;
  if (!LibraryUnchanged(Handle())) return;
  DialogScope busy(*this);
  spell::TQuillSpellBase speller;
  spell::TSpellDialogs dialogs(speller);
  ApplySpellSettings(speller, spellingPlaces_);
  ConnectSpellingHelp(dialogs);
  // One message at the end, with the count of changed replies.
  dialogs.EndMessage = spell::emNever;
  TLibraryCheckForm host(Handle());
  std::string dialogCaption;
  dialogs.OnSpellDialogShow = [&](spell::TSpellDialogs* s) {
    if (s->ReadDialogForm()) s->ReadDialogForm()->SetText(dialogCaption);
  };
  // The main window waits, as for a modal dialog, while the check runs.
  EnableWindow(Handle(), FALSE);
  host.Show();
  int changed = 0, notStored = 0;
  bool cancelled = false;
  try {
    const int count = table_.RecordCount();
    speller.StartSequenceCheck();
    for (int i = 0; i < count && !cancelled; ++i) {
      const library::ReplyRecord reply = library::GoToReply(table_, i);
      dialogCaption = LibraryCheckCaption(reply.Description, i, count);
      host.ShowReply(reply.Response, "Check Spelling of All Replies - " + reply.Description);
      if (spell::TSpellingForm* dialog = dialogs.ReadDialogForm()) dialog->SetText(dialogCaption);
      const std::string before = host.ReplyText.PlainText();
      dialogs.CheckWinControl(&host.ReplyText, spell::ctAll);
      cancelled = speller.ReadCancelled();
      const std::string after = host.ReplyText.PlainText();
      if (after == before) continue;
      const auto corrected = CorrectedResponse(reply, host.ReplyText.Rtf(), after);
      if (!corrected) {
        ++notStored;
        continue;
      }
      library::GoToReply(table_, i);
      table_.Edit();
      library::WriteReply(table_, {reply.Category, reply.Description, *corrected, reply.HotKey});
      table_.Post();
      ++changed;
    }
  } catch (const std::exception& e) {
    if (table_.State() == storage::dsEdit) table_.Cancel();
    if (speller.ReadChecking()) speller.StopCheck(true);
    ShowChangeFailure(e, e.what());
  }
  speller.StopSequenceCheck();
  host.Hide();
  EnableWindow(Handle(), TRUE);
  MessageBoxW(Handle(), platform::Wide(LibraryCheckSummary(cancelled, changed, notStored)).c_str(), L"Spelling",
              MB_OK | MB_ICONINFORMATION);
  ShowSelectedReply();
}

}  // namespace tq::app
