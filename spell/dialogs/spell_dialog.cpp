#include "spell/dialogs/spell_dialog.h"

#include <algorithm>
#include <vector>

#include "ui/caption_fit.h"
#include "ui/dpi.h"

namespace tq::spell {
namespace {

constexpr int kClientWidth = 432;
constexpr int kClientHeight = 167;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

HFONT CreateDialogFont() {
  const int dpi = ui::ScreenDpi();
  return CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
}

}  // namespace

LRESULT TWordEdit::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  const LRESULT result = ui::Edit::WndProc(msg, wp, lp);
  if (msg == WM_LBUTTONDBLCLK && onDoubleClick) onDoubleClick();
  return result;
}

TSpellDialog::TSpellDialog(HWND owner) {
  // The design-time caption is a placeholder; the engine's texts replace it.
  Create({.caption = "Spelling", .style = kStyle, .exStyle = kExStyle, .owner = owner});
  // The font first: the window and its controls are sized from its measure.
  font_.reset(CreateDialogFont());
  if (font_) SetFont(font_.get());
  RECT frame{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CreateControls();

  DialogControl.OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) { DialogControlConfigurationAvailable(); };
  DialogControl.OnPromptWord = [this](void*, const std::string& word, bool repeated) {
    DialogControlPromptWord(word, repeated);
  };
  OnDeactivate = [this](TSpellingForm*) { FormDeactivate(); };
  OnActivate = [this](TSpellingForm*) { FormActivate(); };
}

void TSpellDialog::CreateControls() {
  // Creation order is the tab order, and each label comes just before its
  // box so that the label's access key reaches the box.
  const ui::LabelOptions label{.wordWrap = false};
  NotFoundText.Create(*this, {8, 8, 94, 13}, "Not Found:", {.wordWrap = false, .noPrefix = true});
  NotFoundEdit.Create(*this, {104, 8, 140, 21}, {.readOnly = true});
  SetWindowLongPtrW(NotFoundEdit.Handle(), GWL_STYLE,
                    GetWindowLongPtrW(NotFoundEdit.Handle(), GWL_STYLE) & ~WS_TABSTOP);
  ReplaceWithText.Create(*this, {8, 36, 94, 13}, "&Replace With:", label);
  ReplaceWithEdit.Create(*this, {104, 35, 140, 21});
  SuggestionsText.Create(*this, {8, 64, 94, 13}, "&Suggestions:", label);
  SuggestionsListbox.Create(*this, {104, 62, 140, 99}, {.itemHeight = 13});
  IgnoreButton.Create(*this, {252, 8, 85, 23}, "I&gnore");
  IgnoreAllButton.Create(*this, {340, 8, 85, 23}, "&Ignore All");
  ChangeButton.Create(*this, {252, 35, 85, 23}, "Cha&nge");
  ChangeAllButton.Create(*this, {340, 35, 85, 23}, "&Change All");
  AddButton.Create(*this, {252, 62, 85, 23}, "&Add");
  AutoCorrectButton.Create(*this, {340, 62, 85, 23}, "Au&to-Correct");
  HelpButton.Create(*this, {252, 138, 85, 23}, "&Help");
  UndoButton.Create(*this, {8, 111, 85, 23}, "&Undo");
  // Escape presses Cancel; the form has no default button.
  CancelButton.Create(*this, {340, 138, 85, 23}, "Cancel", {.id = IDCANCEL});
  OptionsButton.Create(*this, {8, 138, 85, 23}, "&Options...");

  ReplaceWithEdit.onChange = [this] { ReplaceWithEditChange(); };
  SuggestionsListbox.onSelect = [this] { SuggestionsListboxClick(); };
  SuggestionsListbox.onDoubleClick = [this] { SuggestionsListboxDblClick(); };
  NotFoundEdit.onDoubleClick = [this] { NotFoundEditDblClick(); };
  IgnoreButton.onClick = [this] { IgnoreButtonClick(); };
  IgnoreAllButton.onClick = [this] { IgnoreAllButtonClick(); };
  ChangeButton.onClick = [this] { ChangeButtonClick(); };
  ChangeAllButton.onClick = [this] { ChangeAllButtonClick(); };
  AddButton.onClick = [this] { AddButtonClick(); };
  AutoCorrectButton.onClick = [this] { AutoCorrectButtonClick(); };
  HelpButton.onClick = [this] { HelpButtonClick(); };
  UndoButton.onClick = [this] { UndoButtonClick(); };
  CancelButton.onClick = [this] { CancelButtonClick(); };
  OptionsButton.onClick = [this] { OptionsButtonClick(); };
}

void TSpellDialog::DialogControlConfigurationAvailable() {
  repeatedMode_ = false;
  deactivated_ = false;
  const TConfigurationDialogCtrl& c = DialogControl;
  SetText(c.GetString(lsSpelling));
  NotFoundText.SetText(c.GetString(lsDlgNotFound));
  ReplaceWithText.SetText(c.GetString(lsDlgReplaceWith));
  SuggestionsText.SetText(c.GetString(lsDlgSuggestions));
  UndoButton.SetText(c.GetString(lsDlgUndo));
  OptionsButton.SetText(c.GetString(lsDlgOptions));
  IgnoreAllButton.SetText(c.GetString(lsDlgIgnoreAll));
  IgnoreButton.SetText(c.GetString(lsDlgIgnore));
  ChangeAllButton.SetText(c.GetString(lsDlgChangeAll));
  ChangeButton.SetText(c.GetString(lsDlgChange));
  AddButton.SetText(c.GetString(lsDlgAdd));
  AutoCorrectButton.SetText(c.GetString(lsDlgAutoCorrect));
  HelpButton.SetText(c.GetString(lsDlgHelp));
  CancelButton.SetText(c.GetString(lsDlgCancel));

  const TSpellDialogCommands visible = c.ReadCommandsVisible();
  UndoButton.SetVisible(visible.Contains(sdcUndo));
  OptionsButton.SetVisible(visible.Contains(sdcOptions));
  IgnoreAllButton.SetVisible(visible.Contains(sdcIgnoreAll));
  IgnoreButton.SetVisible(visible.Contains(sdcIgnore));
  ChangeButton.SetVisible(visible.Contains(sdcChange));
  ChangeAllButton.SetVisible(visible.Contains(sdcChangeAll));
  AddButton.SetVisible(visible.Contains(sdcAdd));
  AutoCorrectButton.SetVisible(visible.Contains(sdcAutoCorrect));
  HelpButton.SetVisible(visible.Contains(sdcHelp) && c.ReadHelpCtxSpellDialog() != 0);
  CancelButton.SetVisible(visible.Contains(sdcCancel));
  HelpButton.SetEnabled(Enabled(sdcHelp));
  CancelButton.SetEnabled(Enabled(sdcCancel));
  // Options stays visible but unusable while no options dialog can open.
  OptionsButton.SetEnabled(Enabled(sdcOptions));
  if (!visible.Contains(sdcOptions)) {
    ui::Rect undo = UndoButton.Bounds();
    undo.y = OptionsButton.Bounds().y;
    UndoButton.SetBounds(undo);
  }
  FitCaptions();
}

void TSpellDialog::FitCaptions() {
  using ui::CaptionWidthNeeded;
  const auto widest = [](std::initializer_list<int> widths) { return std::max(widths); };
  // The designed columns: labels (and Undo, Options below them), boxes, two
  // of buttons, each as wide as its widest caption needs at least.
  const int labels = widest({NotFoundText.Bounds().width, CaptionWidthNeeded(NotFoundText),
                             CaptionWidthNeeded(NotFoundText, DialogControl.GetString(lsDlgRepeatedWord)),
                             CaptionWidthNeeded(ReplaceWithText), CaptionWidthNeeded(SuggestionsText),
                             CaptionWidthNeeded(UndoButton), CaptionWidthNeeded(OptionsButton)});
  const int first =
      widest({IgnoreButton.Bounds().width, CaptionWidthNeeded(IgnoreButton), CaptionWidthNeeded(ChangeButton),
              CaptionWidthNeeded(AddButton), CaptionWidthNeeded(HelpButton)});
  const int second =
      widest({IgnoreAllButton.Bounds().width, CaptionWidthNeeded(IgnoreAllButton), CaptionWidthNeeded(ChangeAllButton),
              CaptionWidthNeeded(AutoCorrectButton), CaptionWidthNeeded(CancelButton)});
  const int labelsGrow = labels - NotFoundText.Bounds().width;
  const int firstGrow = first - IgnoreButton.Bounds().width;
  const int secondGrow = second - IgnoreAllButton.Bounds().width;
  if (labelsGrow == 0 && firstGrow == 0 && secondGrow == 0) return;
  const auto place = [](ui::Wnd& w, int dx, int width) {
    ui::Rect b = w.Bounds();
    b.x += dx;
    b.width = width < 0 ? b.width : width;
    w.SetBounds(b);
  };
  for (ui::Wnd* w : std::initializer_list<ui::Wnd*>{&NotFoundText, &ReplaceWithText, &SuggestionsText})
    place(*w, 0, labels);
  for (ui::Wnd* w : std::initializer_list<ui::Wnd*>{&UndoButton, &OptionsButton})
    place(*w, 0, std::max(w->Bounds().width, CaptionWidthNeeded(*w)));
  for (ui::Wnd* w : std::initializer_list<ui::Wnd*>{&NotFoundEdit, &ReplaceWithEdit, &SuggestionsListbox})
    place(*w, labelsGrow, -1);
  for (ui::Wnd* w : std::initializer_list<ui::Wnd*>{&IgnoreButton, &ChangeButton, &AddButton, &HelpButton})
    place(*w, labelsGrow, first);
  for (ui::Wnd* w :
       std::initializer_list<ui::Wnd*>{&IgnoreAllButton, &ChangeAllButton, &AutoCorrectButton, &CancelButton})
    place(*w, labelsGrow + firstGrow, second);
  ui::Rect outer = Bounds();
  outer.width += labelsGrow + firstGrow + secondGrow;
  SetBounds(outer);
}

void TSpellDialog::DialogControlPromptWord(const std::string& Word, bool Repeated) {
  NotFoundEdit.SetText(Word);
  SuggestionsListbox.Clear();
  if (Repeated != repeatedMode_) {
    repeatedMode_ = Repeated;
    EnableForMode();
    NotFoundText.SetText(DialogControl.GetString(Repeated ? lsDlgRepeatedWord : lsDlgNotFound));
  }
  UndoButton.SetEnabled(DialogControl.ReadCanUndo() && Enabled(sdcUndo));
  if (Repeated) {
    ReplaceWithEdit.SetText(Word.substr(0, Word.size() / 2));
    KeepFocusUsable();
    return;
  }
  AddButton.SetEnabled(HasActiveCustom() && Enabled(sdcAdd));
  AutoCorrectButton.SetEnabled(HasActiveCustom() && Enabled(sdcAutoCorrect));
  std::vector<std::string> suggestions;
  DialogControl.Suggest(Word, suggestions);
  for (const std::string& s : suggestions) SuggestionsListbox.Add(s);
  SuggestionsListbox.SetEnabled(!suggestions.empty());
  if (!suggestions.empty()) {
    ReplaceWithEdit.SetText(suggestions.front());
    SuggestionsListbox.SetSelectedIndex(0);
  } else {
    ReplaceWithEdit.SetText("");
    ReplaceWithEditChange();
    SuggestionsListbox.Add(DialogControl.GetString(lsMnNoSuggestions));
  }
  KeepFocusUsable();
}

void TSpellDialog::EnableForMode() {
  FullEnable(!repeatedMode_);
  if (repeatedMode_) {
    // A repeated word is only kept (Ignore) or taken out once (Change).
    OptionsButton.SetEnabled(Enabled(sdcOptions));
    IgnoreButton.SetEnabled(true);
    ChangeButton.SetEnabled(true);
  }
}

void TSpellDialog::KeepFocusUsable() {
  // A control that is disabled while it has the focus takes the keyboard
  // with it: Escape and the access keys would reach nothing.
  HWND focus = GetFocus();
  if (focus && IsChild(Handle(), focus) && IsWindowEnabled(focus)) return;
  if (focus && !IsChild(Handle(), focus) && focus != Handle()) return;  // the user works elsewhere
  if (HWND next = GetNextDlgTabItem(Handle(), nullptr, FALSE)) ::SetFocus(next);
}

void TSpellDialog::ReplaceWithEditChange() {
  if (repeatedMode_) return;
  // Text the dictionaries' code page cannot hold could not go in as a word.
  const bool any = TConfigurationDialogCtrl::CanReplaceWith(ReplaceWithEdit.Text());
  ChangeAllButton.SetEnabled(any && Enabled(sdcChangeAll));
  ChangeButton.SetEnabled(any && Enabled(sdcChange));
  AutoCorrectButton.SetEnabled(any && HasActiveCustom() && Enabled(sdcAutoCorrect));
}

void TSpellDialog::FullEnable(bool on) {
  UndoButton.SetEnabled(on && DialogControl.ReadCanUndo() && Enabled(sdcUndo));
  OptionsButton.SetEnabled(on && Enabled(sdcOptions));
  ReplaceWithEdit.SetEnabled(on);
  SuggestionsListbox.SetEnabled(on);
  IgnoreAllButton.SetEnabled(on && Enabled(sdcIgnoreAll));
  IgnoreButton.SetEnabled(on && Enabled(sdcIgnore));
  ChangeAllButton.SetEnabled(on && Enabled(sdcChangeAll));
  ChangeButton.SetEnabled(on && Enabled(sdcChange));
  AddButton.SetEnabled(on && HasActiveCustom() && Enabled(sdcAdd));
  AutoCorrectButton.SetEnabled(on && HasActiveCustom() && Enabled(sdcAutoCorrect));
}

void TSpellDialog::IgnoreButtonClick() {
  if (repeatedMode_)
    DialogControl.RepeatIgnore();
  else
    DialogControl.Ignore();
}

void TSpellDialog::IgnoreAllButtonClick() { DialogControl.IgnoreAll(); }

void TSpellDialog::ChangeButtonClick() {
  if (repeatedMode_)
    DialogControl.RepeatDelete();
  else
    DialogControl.Change(ReplaceWithEdit.Text());
}

void TSpellDialog::ChangeAllButtonClick() { DialogControl.ChangeAll(ReplaceWithEdit.Text()); }
void TSpellDialog::AddButtonClick() { DialogControl.Add(); }
void TSpellDialog::AutoCorrectButtonClick() { DialogControl.AutoCorrect(ReplaceWithEdit.Text()); }
void TSpellDialog::UndoButtonClick() { DialogControl.Undo(); }
void TSpellDialog::CancelButtonClick() { DialogControl.Cancel(); }
void TSpellDialog::HelpButtonClick() { DialogControl.HelpSpellDialog(); }

void TSpellDialog::OptionsButtonClick() {
  DialogControl.Setup();
  // The same word again, with suggestions under the options now in force.
  if (Handle() && Visible()) DialogControlPromptWord(NotFoundEdit.Text(), repeatedMode_);
}

void TSpellDialog::SuggestionsListboxClick() {
  const int index = SuggestionsListbox.SelectedIndex();
  if (index >= 0 && SuggestionsListbox.Enabled()) ReplaceWithEdit.SetText(SuggestionsListbox.Item(index));
}

void TSpellDialog::SuggestionsListboxDblClick() {
  const int index = SuggestionsListbox.SelectedIndex();
  if (index >= 0 && SuggestionsListbox.Enabled()) DialogControl.Change(SuggestionsListbox.Item(index));
}

void TSpellDialog::NotFoundEditDblClick() { ReplaceWithEdit.SetText(NotFoundEdit.Text()); }

void TSpellDialog::FormDeactivate() {
  deactivated_ = true;
  FullEnable(false);
}

void TSpellDialog::FormActivate() {
  if (!deactivated_) return;
  deactivated_ = false;
  // Back to what the shown word allows (a repeated word keeps its few commands).
  EnableForMode();
  KeepFocusUsable();
}

bool TSpellDialog::OnClose() {
  // The close box cancels the run, whose end hides and releases the form.
  if (DialogControl.ReadSpellDialogs()) {
    DialogControl.Cancel();
    return false;
  }
  return true;
}

}  // namespace tq::spell
