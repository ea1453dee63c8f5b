#include "app/dialogs/reply_prop_form.h"

#include <algorithm>
#include <stdexcept>

#include "app/core/dialog_captions.h"
#include "app/core/reply_prop_layout.h"
#include "app/core/reply_text_fit.h"
#include "app/core/spell_settings.h"
#include "app/core/text_file_text.h"
#include "app/dialogs/spelling_help.h"
#include "app/reply_text_view.h"
#include "app/shell_open.h"
#include "library/hotkey_value.h"
#include "library/reply_library.h"
#include "platform/env.h"
#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"
#include "ui/dpi.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/window_place.h"

namespace tq::app {
namespace {

constexpr char kLoadFilter[] = "Text Files (*.rtf, *.txt)|*.rtf;*.txt|All Files|*.*";

// The file name's extension with its dot, in capitals ("" when it has none).
std::string UpperExtension(const std::string& path) {
  const size_t name = path.find_last_of("\\/:");
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (name != std::string::npos && dot < name)) return {};
  std::string ext = path.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); });
  return ext;
}

ui::Rect ToUi(const ui::core::Rect& r) { return {r.left, r.top, r.width(), r.height()}; }

}  // namespace

TReplyPropForm::TReplyPropForm(storage::TBinaryDataSet& table, const ReplyPropOptions& options)
    : table_(table),
      hotKeyHolders_(options.hotKeyHolders),
      canSave_(options.canSave),
      liveSpelling_(options.liveSpelling) {
  Create({.caption = "Reply Properties",
          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
          .exStyle = WS_EX_DLGMODALFRAME,
          .owner = options.owner});
  FormCreate(options);
  ui::SetClientSizeCentred(*this, Scale(kReplyPropClientWidth), Scale(kReplyPropClientHeight), options.owner);
  LayOut();
}

void TReplyPropForm::HotKeyPressed(uint32_t value) {
  if (!HotKey.Focused()) return;
  if (const HotKeyHolder* holder = FindHotKeyHolder(hotKeyHolders_, value)) {
    ui::ShowErrorBox(Handle(), HotKeyTakenText(value, *holder));
    HotKey.SetFocus();
    return;
  }
  // The reply's own hotkey, held for it by the main window; a bare key
  // stays as it was typed.
  if (!library::SameHotKeyCombination(HotKey.Value(), value)) HotKey.SetValue(value);
}

TReplyPropForm::~TReplyPropForm() {
  // The controls' windows go with the form's, before the font they use.
  Destroy();
}

void TReplyPropForm::FormCreate(const ReplyPropOptions& options) {
  // Created at the layout's own pixels; LayOut places them for the screen.
  const ReplyPropLayout l = LayOutReplyProp({kReplyPropClientWidth, kReplyPropClientHeight}, true, 96);
  CategoryLabel.Create(*this, ToUi(l.categoryLabel), ReplyPropCaptions::CategoryLabel);
  CategoryCombo.CreateEditable(*this, ToUi(l.categoryCombo));
  DescriptionLabel.Create(*this, ToUi(l.descriptionLabel), ReplyPropCaptions::DescriptionLabel);
  DescriptionEdit.Create(*this, ToUi(l.descriptionEdit));
  HotKeyLabel.Create(*this, ToUi(l.hotKeyLabel), ReplyPropCaptions::HotKeyLabel);
  HotKey.Create(*this, ToUi(l.hotKey), ui::HotKeyRules::AnyKey);
  ResponseLabel.Create(*this, ToUi(l.responseLabel), ReplyPropCaptions::ResponseLabel);
  ResponseRichEdit.Create(*this, ToUi(l.responseRichEdit));
  PasteBtn.Create(*this, ToUi(l.pasteBtn), ReplyPropCaptions::Paste);
  LoadBtn.Create(*this, ToUi(l.loadBtn), ReplyPropCaptions::Load);
  SpellCheckBtn.Create(*this, ToUi(l.spellCheckBtn), ReplyPropCaptions::SpellCheck);
  RemoveFormatBtn.Create(*this, ToUi(l.removeFormatBtn), ReplyPropCaptions::RemoveFormat);
  SaveFormatCheck.Create(*this, ToUi(l.saveFormatCheck), ReplyPropCaptions::SaveFormat);
  // Plain ids and no default button: Enter and Escape neither confirm nor
  // cancel the dialog.
  OkBtn.Create(*this, ToUi(l.okBtn), ReplyPropCaptions::Ok);
  CancelBtn.Create(*this, ToUi(l.cancelBtn), ReplyPropCaptions::Cancel, {.modalResult = ui::mrCancel});
  HelpBtn.Create(*this, ToUi(l.helpBtn), ReplyPropCaptions::Help);

  textFont_.reset(CreateFontW(-ui::ScaleForDpi(13, ui::ScreenDpi()), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_SWISS, L"Arial"));
  if (textFont_) ResponseRichEdit.SetFont(textFont_.get());

  // Longer names would be cut when stored, so they cannot be typed (the
  // controls count UTF-16 units, as the limit does).
  DescriptionEdit.SetMaxLength(static_cast<int>(storage::kReplyNameUnits));
  CategoryCombo.SetMaxLength(static_cast<int>(storage::kReplyNameUnits));
  SaveFormatCheck.SetChecked(options.saveWithFormatting);

  hints_.Add(*this, PasteBtn, "Paste Contents of the Clipboard");
  hints_.Add(*this, LoadBtn, "Load From File");
  hints_.Add(*this, SpellCheckBtn, "Spell Check Reply");
  hints_.Add(*this, RemoveFormatBtn, "Remove Formatting");

  // The record's values, before the handlers that follow the controls.
  const library::ReplyRecord record = library::CurrentReply(table_);
  category_ = record.Category;
  description_ = record.Description;
  for (const std::string& category : options.categories) CategoryCombo.AddItem(category);
  CategoryCombo.SetText(category_);
  DescriptionEdit.SetText(description_);
  HotKey.SetValue(static_cast<uint32_t>(record.HotKey) & 0xFFFF);
  LoadReplyText(record.Response);

  CategoryCombo.onEditChange = [this] { category_ = CategoryCombo.Text(); };
  CategoryCombo.onSelectionChanged = [this] {
    const int index = CategoryCombo.SelectedIndex();
    if (index >= 0) category_ = CategoryCombo.ItemText(index);
  };
  DescriptionEdit.onChange = [this] { description_ = DescriptionEdit.Text(); };
  OkBtn.onClick = [this] { OkBtnClick(); };
  PasteBtn.onClick = [this] { PasteBtnClick(); };
  LoadBtn.onClick = [this] { LoadBtnClick(); };
  RemoveFormatBtn.onClick = [this] { RemoveFormatBtnClick(); };
  HelpBtn.onClick = [this] { HelpBtnClick(); };
  SpellCheckBtn.onClick = [this] { SpellCheckBtnClick(); };
  CreateSpelling(options);
  created_ = true;
}

void TReplyPropForm::LoadReplyText(const std::string& text) { ShowReplyText(ResponseRichEdit, text); }

void TReplyPropForm::ShowError(const std::string& text, ui::Wnd& focus) {
  ui::ShowErrorBox(Handle(), text);
  focus.SetFocus();
}

void TReplyPropForm::OkBtnClick() {
  if (ResponseRichEdit.PlainText().empty()) {
    ShowError("Please enter the reply text.", ResponseRichEdit);
    return;
  }
  if (category_.empty()) {
    ShowError("Please enter or select a category.  Categories help you organize and sort replies.", CategoryCombo);
    return;
  }
  if (description_.empty()) {
    ShowError(
        "Please enter a description.  The description is what is displayed in the reply list so you can easily "
        "identify the reply.",
        DescriptionEdit);
    return;
  }
  if (canSave_ && !canSave_(Handle())) return;
  if (!StoreReply()) return;
  SetModalResult(ui::mrOk);
}

void TReplyPropForm::WriteTexts(const std::string& response) {
  library::WriteReply(table_, {category_, description_, response, static_cast<int32_t>(HotKey.Value())});
}

bool TReplyPropForm::StoreReply() {
  const bool withFormatting = SaveFormatCheck.Checked();
  // The RTF a rich edit writes is ASCII: its bytes are its UTF-8.
  const std::string rtf = withFormatting ? ResponseRichEdit.Rtf() : std::string();
  // The plain text comes from the control as UTF-16, kept here as UTF-8.
  const std::string plain = ResponseRichEdit.PlainText();
  // What the field would keep: the text up to its first zero character.
  const std::string richText = rtf.substr(0, rtf.find('\0'));
  // The field's limit is on the stored bytes, which the codec decides: a
  // character Windows-1252 lacks takes an escape of several bytes.
  const ReplyStorePlan plan = PlanReplyStorage(
      withFormatting, withFormatting ? storage::StoredResponseSize({category_, description_, richText}) : 0,
      storage::StoredResponseSize({category_, description_, plain}));
  switch (plan.action) {
    case ReplyStoreAction::kStoreRich:
      WriteTexts(richText);
      return true;
    case ReplyStoreAction::kStorePlain:
      WriteTexts(plain);
      return true;
    case ReplyStoreAction::kOfferPlain:
      if (ui::ConfirmBox(Handle(), OfferPlainQuestion(plan.excess))) {
        WriteTexts(plain);
        return true;
      }
      ResponseRichEdit.SetFocus();
      return false;
    case ReplyStoreAction::kTooLong:
      ShowError(TooLongMessage(plan.excess, withFormatting), ResponseRichEdit);
      return false;
  }
  return false;
}

void TReplyPropForm::PasteBtnClick() { ResponseRichEdit.Paste(); }

void TReplyPropForm::LoadBtnClick() {
  const std::string path = ui::OpenFileDialog(Handle(), {.filter = kLoadFilter, .defaultExt = "", .fileName = ""});
  if (path.empty()) return;
  LoadFile(path);
}

void TReplyPropForm::LoadFile(const std::string& path) {
  std::string contents;
  const platform::Status status = platform::ReadWholeFile(platform::Env::Default(), path, &contents);
  if (!status.ok()) throw std::runtime_error("Cannot open file \"" + path + "\". " + status.message());
  ResponseRichEdit.SetPlainText("");
  // An RTF file is bytes a rich edit reads; any other is text in some form.
  if (!ResponseRichEdit.SetRtf(contents)) ResponseRichEdit.SetPlainText(TextFileText(contents));
  const bool rtf = UpperExtension(path) == ".RTF";
  SaveFormatCheck.SetChecked(rtf);
  SaveFormatCheck.SetEnabled(rtf);
  RemoveFormatBtn.SetEnabled(rtf);
}

void TReplyPropForm::RemoveFormatBtnClick() {
  const std::string plain = ResponseRichEdit.PlainText();
  ResponseRichEdit.SetPlainText("");
  ResponseRichEdit.SetPlainText(plain);
  SaveFormatCheck.SetChecked(false);
  SaveFormatCheck.SetEnabled(false);
  RemoveFormatBtn.SetEnabled(false);
}

void TReplyPropForm::CreateSpelling(const ReplyPropOptions& options) {
  using namespace spell;
  QuillSpell = std::make_unique<TQuillSpellBase>();
  TQuillSpellBase& s = *QuillSpell;
  SpellDialogs = std::make_unique<TSpellDialogs>(s);
  TSpellDialogs& dialogs = *SpellDialogs;
  LiveSpeller = std::make_unique<TLiveSpelling>(
      s, [&dialogs](HWND window) { dialogs.CheckSelectionFromMenu(window); }, this);
  TLiveSpelling& live = *LiveSpeller;
  s.BeginLoading();
  ApplySpellSettings(s, options.spellingPlaces);
  s.WriteLiveCorrect(true);
  live.WriteLiveSpellingColor(RGB(255, 0, 0));
  dialogs.DialogInitialPos = ipLastUserPos;
  dialogs.DialogSelectionAvoid = saAvoid;
  dialogs.EndMessage = emExceptCancel;
  live.WriteAggressiveContextMenu(true);
  ConnectSpellingHelp(dialogs);
  s.EndLoading();
  live.WriteSingeLiveControl(&ResponseRichEdit);
  s.WriteLiveSpelling(options.liveSpelling);
}

void TReplyPropForm::SpellCheckBtnClick() {
  // One check at a time; corrections stay in the text box until OK.
  if (!QuillSpell || QuillSpell->ReadChecking()) return;
  SpellDialogs->CheckWinControl(&ResponseRichEdit, spell::ctSmart);
}

void TReplyPropForm::HelpBtnClick() { ShowHelpFile(Handle(), kReplyHelpContext); }

void TReplyPropForm::LayOut() {
  if (!created_) return;
  const ui::Rect client = ClientRect();
  const ReplyPropLayout l = LayOutReplyProp({client.width, client.height}, true, Dpi());
  auto place = [](ui::Wnd& w, const ui::core::Rect& r) { w.SetBounds(ToUi(r)); };
  place(CategoryLabel, l.categoryLabel);
  place(CategoryCombo, l.categoryCombo);
  place(DescriptionLabel, l.descriptionLabel);
  place(DescriptionEdit, l.descriptionEdit);
  place(HotKeyLabel, l.hotKeyLabel);
  place(HotKey, l.hotKey);
  place(OkBtn, l.okBtn);
  place(CancelBtn, l.cancelBtn);
  place(HelpBtn, l.helpBtn);
  place(ResponseLabel, l.responseLabel);
  place(ResponseRichEdit, l.responseRichEdit);
  place(PasteBtn, l.pasteBtn);
  place(LoadBtn, l.loadBtn);
  place(SpellCheckBtn, l.spellCheckBtn);
  place(RemoveFormatBtn, l.removeFormatBtn);
  place(SaveFormatCheck, l.saveFormatCheck);
}

void TReplyPropForm::OnSize(int, int) { LayOut(); }

LRESULT TReplyPropForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO && Handle()) {
    const ui::core::Size min = ReplyPropMinimumClient(true, Dpi());
    const SIZE outer = ui::OuterSizeFor(Handle(), min.width, min.height);
    auto* info = reinterpret_cast<MINMAXINFO*>(lp);
    info->ptMinTrackSize = {outer.cx, outer.cy};
    return 0;
  }
  return Form::WndProc(msg, wp, lp);
}

}  // namespace tq::app
