#include "spell/dialogs/custom_dictionary_edit_dialog.h"

#include <commctrl.h>

#include <string>

#include "spell/dialogs/dialog_frame.h"
#include "spell/engine/config_macros.h"
#include "spell/engine/control_text.h"

namespace tq::spell {

namespace {

// The dictionary's words are Windows-1252, the boxes' and lists' text UTF-8.
std::string Shown(const std::string& word) { return Utf8OfEngineText(word); }
// A typed text the dictionary cannot hold is no word at all (empty): it can
// be neither found nor added.
std::string Stored(const std::string& text) {
  std::string word;
  return EngineTextOfUtf8Exact(text, &word) ? word : std::string();
}

int IndexOf(const ui::ListBox& list, const std::string& text) {
  for (int i = 0, n = list.Count(); i < n; ++i)
    if (list.Item(i) == text) return i;
  return -1;
}

int RowOf(const ui::RowListView& list, const std::string& caption) {
  for (int row = 0, n = list.Count(); row < n; ++row)
    if (list.Text(row) == caption) return row;
  return -1;
}

// While a long list fills.
class Hourglass {
 public:
  Hourglass() : before_(SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDC_WAIT))))) {}
  ~Hourglass() { SetCursor(before_); }
  Hourglass(const Hourglass&) = delete;
  Hourglass& operator=(const Hourglass&) = delete;

 private:
  HCURSOR before_;
};

}  // namespace

TCustomDictionaryEditDialog::TCustomDictionaryEditDialog(HWND owner) {
  CreateSpellingForm(*this, owner, 314, 333);
  PageControl.Create(*this, {0, 0, 313, 297});
  // Narrower tab padding, so the three tabs fit side by side in the
  // dialog's width with wider system fonts too.
  PageControl.Send(TCM_SETPADDING, 0, MAKELPARAM(PageControl.Scale(3), PageControl.Scale(3)));
  AddedWordsSheet = &PageControl.AddPage("Added");
  AutoCorrectWordsSheet = &PageControl.AddPage("AutoCorrect");
  ExcludedWordsSheet = &PageControl.AddPage("Excluded");

  ui::Panel& added = *AddedWordsSheet;
  AddedWordsExplain.Create(added, {8, 8, 289, 41}, "");
  IgnoreEditLabel.Create(added, {8, 48, 209, 13}, "Ignore", {.wordWrap = false});
  IgnoreEdit.Create(added, {8, 64, 209, 21});
  IgnoreList.Create(added, {8, 91, 209, 170}, {.sorted = true});
  AddIgnoreButton.Create(added, {224, 64, 75, 23}, "Add");
  DeleteIgnoreButton.Create(added, {224, 91, 75, 23}, "Delete");
  IgnoreEdit.onChange = [this] { IgnoreEditChange(); };
  IgnoreList.onSelect = [this] { IgnoreListClick(); };
  AddIgnoreButton.onClick = [this] { AddIgnoreButtonClick(); };
  DeleteIgnoreButton.onClick = [this] { DeleteIgnoreButtonClick(); };

  ui::Panel& pairs = *AutoCorrectWordsSheet;
  AutoCorrectWordsExplain.Create(pairs, {8, 8, 289, 41}, "");
  ReplaceEditLabel.Create(pairs, {8, 48, 81, 13}, "Replace", {.wordWrap = false});
  ReplaceEdit.Create(pairs, {8, 64, 81, 21});
  WithEditLabel.Create(pairs, {96, 48, 121, 13}, "With", {.wordWrap = false});
  WithEdit.Create(pairs, {96, 64, 121, 21});
  AutoCorrectList.Create(pairs, {8, 91, 209, 170},
                         {.columnHeaders = false, .rowSelect = true, .showSelectionAlways = true, .sorted = true});
  AutoCorrectList.AddColumn("", 88);
  AutoCorrectList.AddColumn("", 117);
  AddAutoCorrectButton.Create(pairs, {224, 64, 75, 23}, "Add");
  DeleteAutoCorrectButton.Create(pairs, {224, 91, 75, 23}, "Delete");
  ReplaceEdit.onChange = [this] { ReplaceEditChange(); };
  WithEdit.onChange = [this] { WithEditChange(); };
  AutoCorrectList.onSelectionChanged = [this](int row, bool selected) { AutoCorrectListSelectItem(row, selected); };
  AddAutoCorrectButton.onClick = [this] { AddAutoCorrectButtonClick(); };
  DeleteAutoCorrectButton.onClick = [this] { DeleteAutoCorrectButtonClick(); };

  ui::Panel& excluded = *ExcludedWordsSheet;
  ExcludeWordsExplanation.Create(excluded, {8, 8, 289, 41}, "");
  ExcludeEditLabel.Create(excluded, {8, 48, 209, 13}, "Exclude", {.wordWrap = false});
  ExcludeEdit.Create(excluded, {8, 64, 209, 21});
  ExcludeList.Create(excluded, {8, 91, 209, 170}, {.sorted = true});
  AddExcludeButton.Create(excluded, {224, 64, 75, 23}, "Add");
  DeleteExcludeButton.Create(excluded, {224, 91, 75, 23}, "Delete");
  ExcludeEdit.onChange = [this] { ExcludeEditChange(); };
  ExcludeList.onSelect = [this] { ExcludeListClick(); };
  AddExcludeButton.onClick = [this] { AddExcludeButtonClick(); };
  DeleteExcludeButton.onClick = [this] { DeleteExcludeButtonClick(); };

  HelpButton.Create(*this, {150, 304, 75, 23}, "Help");
  HelpButton.onClick = [this] { HelpButtonClick(); };
  // Not the default button: Enter belongs to the edit boxes.
  OK.Create(*this, {231, 304, 75, 23}, "OK", {.modalResult = ui::mrOk});
  PageControl.onPageChanged = [this] { ShowActiveSheet(); };
  Timer.onTimer = [this] { TimerTimer(); };
  DialogControl.OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) { DialogControlConfigurationAvailable(); };
  DialogControl.OnCustomDictionaryAvailable = [this](TConfigurationDialogCtrl*) {
    DialogControlCustomDictionaryAvailable();
  };
}

TCustomDictionaryEditDialog::~TCustomDictionaryEditDialog() = default;

bool TCustomDictionaryEditDialog::IsInternal() const {
  return Dictionary() && Dictionary() == DialogControl.ReadInternalCustom();
}

void TCustomDictionaryEditDialog::DialogControlConfigurationAvailable() {
  TConfigurationDialogCtrl& c = DialogControl;
  PageControl.SetPageCaption(0, c.GetString(lsDlgAddedWords));
  PageControl.SetPageCaption(1, c.GetString(lsDlgAutoCorrectPairs));
  PageControl.SetPageCaption(2, c.GetString(lsDlgExcludedWords));
  AddedWordsExplain.SetText(c.GetString(lsDlgAddedWordsExplanation));
  IgnoreEditLabel.SetText(c.GetString(lsDlgIgnoreThisWord));
  AutoCorrectWordsExplain.SetText(c.GetString(lsDlgAutoCorrectPairsExplanation));
  ReplaceEditLabel.SetText(c.GetString(lsDlgReplace));
  WithEditLabel.SetText(c.GetString(lsDlgWith));
  ExcludeWordsExplanation.SetText(c.GetString(lsDlgExcludedWordsExplanation));
  ExcludeEditLabel.SetText(c.GetString(lsDlgExcludeThisWord));
  for (ui::Button* add : {&AddIgnoreButton, &AddAutoCorrectButton, &AddExcludeButton})
    add->SetText(c.GetString(lsDlgAdd));
  for (ui::Button* del : {&DeleteIgnoreButton, &DeleteAutoCorrectButton, &DeleteExcludeButton})
    del->SetText(c.GetString(lsDlgDelete));
  HelpButton.SetText(c.GetString(lsDlgHelp));
  OK.SetText(c.GetString(lsDlgOK));
  FitButtonColumn({&AddIgnoreButton, &DeleteIgnoreButton}, {&IgnoreEditLabel, &IgnoreEdit, &IgnoreList});
  FitButtonColumn({&AddAutoCorrectButton, &DeleteAutoCorrectButton}, {&WithEditLabel, &WithEdit, &AutoCorrectList});
  FitButtonColumn({&AddExcludeButton, &DeleteExcludeButton}, {&ExcludeEditLabel, &ExcludeEdit, &ExcludeList});
}

void TCustomDictionaryEditDialog::RemoveSheet(ui::Panel*& sheet) {
  for (int i = 0; i < PageControl.PageCount(); ++i)
    if (&PageControl.Page(i) == sheet) {
      PageControl.RemovePage(i);
      break;
    }
  sheet = nullptr;
}

void TCustomDictionaryEditDialog::DialogControlCustomDictionaryAvailable() {
  TConfigurationDialogCtrl& c = DialogControl;
  const TSpellDialogCommands visible = c.ReadCommandsVisible();
  const bool internal = IsInternal();
  // From the last tab down, so the indexes of the others hold.
  if (!(c.ReadUseExcludeWords() && visible.Contains(sdcExcludedEdit) && !internal)) RemoveSheet(ExcludedWordsSheet);
  if (!visible.Contains(sdcAutoCorrectEdit)) RemoveSheet(AutoCorrectWordsSheet);
  if (!visible.Contains(sdcAddedEdit)) RemoveSheet(AddedWordsSheet);
  if (internal) {
    SetText(c.GetString(lsIgnoreAllChangeAllTitle));
    for (int i = 0; i < PageControl.PageCount(); ++i) {
      if (&PageControl.Page(i) == AddedWordsSheet) PageControl.SetPageCaption(i, c.GetString(lsDlgIgnoreAll));
      if (&PageControl.Page(i) == AutoCorrectWordsSheet) PageControl.SetPageCaption(i, c.GetString(lsDlgChangeAll));
    }
  } else {
    SetText(ExtractFileName(Dictionary()->ReadFilename()));
  }
  HelpButton.SetVisible(visible.Contains(sdcHelp) && c.ReadHelpCtxDictionaryEditDialog() != 0);
  HelpButton.SetEnabled(c.ReadCommandsEnabled().Contains(sdcHelp));
  if (PageControl.PageCount() > 0) PageControl.SetActivePage(0);
}

void TCustomDictionaryEditDialog::HelpButtonClick() { DialogControl.HelpDictionaryEditDialog(); }

void TCustomDictionaryEditDialog::ShowActiveSheet() {
  if (PageControl.PageCount() == 0) {
    if (!Dictionary()) SetModalResult(ui::mrCancel);
    return;
  }
  ui::Panel* page = &PageControl.Page(PageControl.ActivePage());
  if (page == AddedWordsSheet)
    AddedWordsSheetShow();
  else if (page == AutoCorrectWordsSheet)
    AutoCorrectWordsSheetShow();
  else if (page == ExcludedWordsSheet)
    ExcludedWordsSheetShow();
}

// --- Added words ---

// --- Added and excluded words: one set of rules, the two lists' roles swapped ---

struct TCustomDictionaryEditDialog::WordTab {
  ui::Edit& edit;
  ui::ListBox& list;
  ui::Button& add;
  ui::Button& remove;
  // This tab's list in the dictionary, and the other word list.
  int (TCustomDictionary::*count)();
  void (TCustomDictionary::*get)(int, std::string&);
  bool (TCustomDictionary::*exists)(std::string_view);
  bool (TCustomDictionary::*addWord)(std::string_view);
  bool (TCustomDictionary::*removeWord)(std::string_view);
  bool (TCustomDictionary::*otherExists)(std::string_view);
};

TCustomDictionaryEditDialog::WordTab TCustomDictionaryEditDialog::AddedTab() {
  return {IgnoreEdit,
          IgnoreList,
          AddIgnoreButton,
          DeleteIgnoreButton,
          &TCustomDictionary::ReadIgnoreCount,
          &TCustomDictionary::GetIgnoreWord,
          &TCustomDictionary::IgnoreExists,
          &TCustomDictionary::AddIgnore,
          &TCustomDictionary::RemoveIgnore,
          &TCustomDictionary::ExcludeExists};
}

TCustomDictionaryEditDialog::WordTab TCustomDictionaryEditDialog::ExcludedTab() {
  return {ExcludeEdit,
          ExcludeList,
          AddExcludeButton,
          DeleteExcludeButton,
          &TCustomDictionary::ReadExcludeCount,
          &TCustomDictionary::GetExcludeWord,
          &TCustomDictionary::ExcludeExists,
          &TCustomDictionary::AddExclude,
          &TCustomDictionary::RemoveExclude,
          &TCustomDictionary::IgnoreExists};
}

void TCustomDictionaryEditDialog::FillWords(const WordTab& tab) {
  TCustomDictionary* d = Dictionary();
  if (!d || tab.list.Count() > 0) return;
  tab.add.SetEnabled(false);
  tab.remove.SetEnabled(false);
  Hourglass wait;
  std::string word;
  for (int i = 0, n = (d->*tab.count)(); i < n; ++i) {
    (d->*tab.get)(i, word);
    tab.list.Add(Shown(word));
  }
}

void TCustomDictionaryEditDialog::WordEditChange(const WordTab& tab) {
  TCustomDictionary* d = Dictionary();
  if (!d) return;
  const std::string text = Stored(tab.edit.Text());
  std::string replacement;
  if ((d->*tab.exists)(text)) {
    tab.add.SetEnabled(false);
    tab.list.SetSelectedIndex(IndexOf(tab.list, Shown(text)));
    tab.remove.SetEnabled(tab.list.SelectedIndex() >= 0);
  } else {
    tab.list.SetSelectedIndex(-1);
    tab.remove.SetEnabled(false);
    // A word stands in one list of a dictionary only.
    tab.add.SetEnabled(!text.empty() && !d->AutoCorrectExists(text, replacement) && !(d->*tab.otherExists)(text));
  }
}

void TCustomDictionaryEditDialog::WordListClick(const WordTab& tab) {
  const int selected = tab.list.SelectedIndex();
  if (selected >= 0)
    tab.edit.SetText(tab.list.Item(selected));  // runs the change rule
  else
    WordEditChange(tab);
}

void TCustomDictionaryEditDialog::AddWord(const WordTab& tab) {
  const std::string text = Stored(tab.edit.Text());
  if (!Dictionary() || !(Dictionary()->*tab.addWord)(text)) return;
  tab.list.Add(Shown(text));
  WordEditChange(tab);
}

void TCustomDictionaryEditDialog::DeleteWord(const WordTab& tab) {
  if (!Dictionary() || !(Dictionary()->*tab.removeWord)(Stored(tab.edit.Text()))) return;
  const int at = tab.list.SelectedIndex();
  if (at >= 0) tab.list.Delete(at);
  const int count = tab.list.Count();
  tab.list.SetSelectedIndex(count == 0 ? -1 : (at < count ? at : count - 1));
  WordListClick(tab);
}

void TCustomDictionaryEditDialog::AddedWordsSheetShow() {
  if (!Dictionary()) {
    SetModalResult(ui::mrCancel);
    return;
  }
  FillWords(AddedTab());
}
void TCustomDictionaryEditDialog::IgnoreEditChange() { WordEditChange(AddedTab()); }
void TCustomDictionaryEditDialog::IgnoreEditKeyDown(UINT key) {
  if (key == VK_RETURN && AddIgnoreButton.Enabled()) AddIgnoreButtonClick();
}
void TCustomDictionaryEditDialog::IgnoreListClick() { WordListClick(AddedTab()); }
void TCustomDictionaryEditDialog::AddIgnoreButtonClick() { AddWord(AddedTab()); }
void TCustomDictionaryEditDialog::DeleteIgnoreButtonClick() { DeleteWord(AddedTab()); }

void TCustomDictionaryEditDialog::ExcludedWordsSheetShow() { FillWords(ExcludedTab()); }
void TCustomDictionaryEditDialog::ExcludeEditChange() { WordEditChange(ExcludedTab()); }
void TCustomDictionaryEditDialog::ExcludeEditKeyDown(UINT key) {
  if (key == VK_RETURN && AddExcludeButton.Enabled()) AddExcludeButtonClick();
}
void TCustomDictionaryEditDialog::ExcludeListClick() { WordListClick(ExcludedTab()); }
void TCustomDictionaryEditDialog::AddExcludeButtonClick() { AddWord(ExcludedTab()); }
void TCustomDictionaryEditDialog::DeleteExcludeButtonClick() { DeleteWord(ExcludedTab()); }

// --- Auto-correct pairs ---

void TCustomDictionaryEditDialog::AutoCorrectWordsSheetShow() {
  TCustomDictionary* d = Dictionary();
  if (!d || AutoCorrectList.Count() > 0) return;
  AddAutoCorrectButton.SetEnabled(false);
  DeleteAutoCorrectButton.SetEnabled(false);
  Hourglass wait;
  std::string word, replacement;
  for (int i = 0, n = d->ReadAutoCorrectCount(); i < n; ++i) {
    d->GetAutoCorrectWord(i, word, replacement);
    const int row = AutoCorrectList.AddRow(Shown(word));
    AutoCorrectList.SetText(row, 1, Shown(replacement));
  }
  FixAutoCorrectColumns();
}

void TCustomDictionaryEditDialog::FixAutoCorrectColumns() {
  const int first = WithEdit.Bounds().x - ReplaceEdit.Bounds().x;
  AutoCorrectList.SetColumnWidth(0, first);
  AutoCorrectList.SetColumnWidth(1, AutoCorrectList.ClientRect().width - first);
}

void TCustomDictionaryEditDialog::ReplaceEditChange() {
  TCustomDictionary* d = Dictionary();
  if (!d) return;
  const std::string text = Stored(ReplaceEdit.Text());
  std::string replacement;
  if (d->AutoCorrectExists(text, replacement)) {
    AddAutoCorrectButton.SetEnabled(false);
    const int row = RowOf(AutoCorrectList, Shown(text));
    if (row >= 0 && !(AutoCorrectList.FocusedRow() == row && AutoCorrectList.RowSelected(row)))
      AutoCorrectList.Select(row);
    DeleteAutoCorrectButton.SetEnabled(AutoCorrectList.FocusedRow() >= 0);
  } else {
    if (AutoCorrectList.FocusedRow() >= 0 || AutoCorrectList.SelectedRow() >= 0) AutoCorrectList.Select(-1);
    DeleteAutoCorrectButton.SetEnabled(false);
    AddAutoCorrectButton.SetEnabled(!d->IgnoreExists(text) && !d->ExcludeExists(text) && !text.empty() &&
                                    !Stored(WithEdit.Text()).empty());
  }
}

void TCustomDictionaryEditDialog::WithEditChange() {
  TCustomDictionary* d = Dictionary();
  if (!d) return;
  const int row = AutoCorrectList.FocusedRow();
  if (row < 0) {
    ReplaceEditChange();
    return;
  }
  const std::string word = Stored(ReplaceEdit.Text());
  const std::string with = Stored(WithEdit.Text());
  std::string stored;
  // An emptied box is a replacement being retyped, not an empty one: the
  // pair keeps its last replacement until a new one is typed.
  if (with.empty() || !d->AutoCorrectExists(word, stored) || stored == with) return;
  d->RemoveAutoCorrect(word);
  d->AddAutoCorrect(word, with);
  AutoCorrectList.SetText(row, 1, Shown(with));
}

void TCustomDictionaryEditDialog::AutoCorrectListSelectItem(int row, bool selected) {
  if (selected) {
    const std::string word = AutoCorrectList.Text(row, 0), with = AutoCorrectList.Text(row, 1);
    if (ReplaceEdit.Text() != word) ReplaceEdit.SetText(word);
    if (WithEdit.Text() != with) WithEdit.SetText(with);
  } else if (row == AutoCorrectList.FocusedRow()) {
    // The buttons follow once the list has settled on its new selection.
    Timer.Start(5);
  }
}

void TCustomDictionaryEditDialog::TimerTimer() {
  Timer.Stop();
  ReplaceEditChange();
}

void TCustomDictionaryEditDialog::ReplaceEditKeyDown(UINT key) {
  if (key == VK_RETURN && !ReplaceEdit.Text().empty()) WithEdit.SetFocus();
}

void TCustomDictionaryEditDialog::WithEditKeyDown(UINT key) {
  if (key == VK_RETURN && AddAutoCorrectButton.Enabled()) AddAutoCorrectButtonClick();
}

void TCustomDictionaryEditDialog::AddAutoCorrectButtonClick() {
  const std::string word = Stored(ReplaceEdit.Text()), with = Stored(WithEdit.Text());
  if (word.empty() || with.empty() || !Dictionary() || !Dictionary()->AddAutoCorrect(word, with)) return;
  const int row = AutoCorrectList.AddRow(Shown(word));
  AutoCorrectList.SetText(row, 1, Shown(with));
  AutoCorrectList.Select(row);
  ReplaceEditChange();
  FixAutoCorrectColumns();
}

void TCustomDictionaryEditDialog::DeleteAutoCorrectButtonClick() {
  const int row = AutoCorrectList.FocusedRow();
  if (row < 0 || !Dictionary() || !Dictionary()->RemoveAutoCorrect(Stored(ReplaceEdit.Text()))) return;
  AutoCorrectList.DeleteRow(row);
  const int count = AutoCorrectList.Count();
  if (count > 0) AutoCorrectList.Select(row < count ? row : count - 1);
  FixAutoCorrectColumns();
}

// --- Keys and showing ---

void TCustomDictionaryEditDialog::EnterPressed() {
  const HWND focus = GetFocus();
  if (focus == IgnoreEdit.Handle())
    IgnoreEditKeyDown(VK_RETURN);
  else if (focus == ReplaceEdit.Handle())
    ReplaceEditKeyDown(VK_RETURN);
  else if (focus == WithEdit.Handle())
    WithEditKeyDown(VK_RETURN);
  else if (focus == ExcludeEdit.Handle())
    ExcludeEditKeyDown(VK_RETURN);
}

LRESULT TCustomDictionaryEditDialog::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && lp == 0 && HIWORD(wp) == BN_CLICKED) {
    // Enter and Escape, which the dialog keys turn into IDOK and IDCANCEL.
    if (LOWORD(wp) == IDOK) {
      EnterPressed();
      return 0;
    }
    if (LOWORD(wp) == IDCANCEL) {
      SetModalResult(ui::mrCancel);
      return 0;
    }
  }
  if (msg == WM_SHOWWINDOW && wp && !shown_) {
    shown_ = true;
    const LRESULT result = TSpellingForm::WndProc(msg, wp, lp);
    ShowActiveSheet();
    return result;
  }
  return TSpellingForm::WndProc(msg, wp, lp);
}

}  // namespace tq::spell
