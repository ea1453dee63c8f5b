#include "spell/dialogs/custom_dictionaries_dialog.h"

#include "platform/utf16.h"
#include "spell/dialogs/dialog_frame.h"
#include "spell/dialogs/new_custom_dictionary.h"
#include "spell/dialogs/spell_dialogs.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/config_macros.h"

namespace tq::spell {

namespace {

// The file-name part of what the user typed, with the extension ".adu".
std::string DictionaryFileName(const std::string& typed) {
  std::string name = ExtractFileName(typed);
  const size_t dot = name.find_last_of('.');
  if (dot != std::string::npos) name.erase(dot);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  while (!name.empty() && name.front() == ' ') name.erase(0, 1);
  return name.empty() ? std::string() : name + ".adu";
}

}  // namespace

TCustomDictionariesDialog::TCustomDictionariesDialog(HWND owner) {
  CreateSpellingForm(*this, owner, 312, 206);
  CustomDictionaries.Create(
      *this, {16, 24, 201, 137},
      {.checkBoxes = true, .columnHeaders = false, .editLabels = true, .showSelectionAlways = true});
  CustomDictionaries.AddColumn("", 176);
  CustomDictionaries.onSelectionChanged = [this](int row, bool selected) {
    CustomDictionariesSelectItem(row, selected);
  };
  CustomDictionaries.onCheckChanged = [this](int row) { CustomDictionariesChange(row); };
  CustomDictionaries.onBeginEdit = [this](int row) { return CustomDictionariesEditing(row); };
  CustomDictionaries.onEndEdit = [this](int row, std::optional<std::string> text) {
    return CustomDictionariesEdited(row, text);
  };
  EditButton.Create(*this, {222, 24, 75, 23}, "Edit");
  EditButton.onClick = [this] { EditButtonClick(); };
  DeleteButton.Create(*this, {222, 51, 75, 23}, "Delete");
  DeleteButton.onClick = [this] { DeleteButtonClick(); };
  NewButton.Create(*this, {222, 78, 75, 23}, "New");
  NewButton.onClick = [this] { NewButtonClick(); };
  CustomGroup.Create(*this, {8, 8, 297, 161}, "Custom");
  HelpButton.Create(*this, {149, 176, 75, 23}, "Help");
  HelpButton.onClick = [this] { HelpButtonClick(); };
  OK.Create(*this, {230, 176, 75, 23}, "OK", {.id = IDOK, .isDefault = true, .modalResult = ui::mrOk});
  DialogControl.OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) { DialogControlConfigurationAvailable(); };
}

TCustomDictionariesDialog::~TCustomDictionariesDialog() {
  // The rows point into entries_: the list goes first.
  Destroy();
}

TListEntry* TCustomDictionariesDialog::Entry(int row) {
  if (row < 0 || row >= CustomDictionaries.Count()) return nullptr;
  return reinterpret_cast<TListEntry*>(CustomDictionaries.Data(row));
}

void TCustomDictionariesDialog::AddEntryRow(const std::string& caption, bool checked, TListEntry entry) {
  entry.checked = checked;
  entries_.push_back(std::make_unique<TListEntry>(std::move(entry)));
  const int row = CustomDictionaries.AddRow(caption, reinterpret_cast<LPARAM>(entries_.back().get()));
  CustomDictionaries.SetChecked(row, checked);
}

void TCustomDictionariesDialog::DialogControlConfigurationAvailable() {
  TConfigurationDialogCtrl& c = DialogControl;
  SetText(c.GetString(lsDictionaries));
  CustomGroup.SetText(c.GetString(lsDlgCustomDictionaries));
  EditButton.SetText(c.GetString(lsDlgEdit));
  DeleteButton.SetText(c.GetString(lsDlgDelete));
  NewButton.SetText(c.GetString(lsDlgNew));
  OK.SetText(c.GetString(lsDlgOK));
  HelpButton.SetText(c.GetString(lsDlgHelp));
  HelpButton.SetVisible(c.ReadCommandsVisible().Contains(sdcHelp) && c.ReadHelpCtxDictionariesDialog() != 0);
  HelpButton.SetEnabled(c.ReadCommandsEnabled().Contains(sdcHelp));
  EditButton.SetEnabled(false);
  DeleteButton.SetEnabled(false);
  FitButtonColumn({&EditButton, &DeleteButton, &NewButton}, {&CustomDictionaries});

  const TStringList* custom = c.ReadAvailableCustom();
  const TStringList* word = c.ReadAvailableMSWordCustom();
  TQuillConfig* config = c.ReadConfiguration();
  if (!custom || !word || !config) return;
  // Copies: the engine may refill its lists while rows are added.
  const std::vector<std::string> customNames = custom->Items(), wordPaths = word->Items();
  filling_ = true;
  CustomDictionaries.Clear();
  entries_.clear();
  TCustomDictionary* internal = c.ReadInternalCustom();
  if (internal && c.ReadCommandsVisible().Contains(sdcInternalEdit) &&
      (internal->ReadIgnoreCount() > 0 || internal->ReadAutoCorrectCount() > 0))
    AddEntryRow(c.GetString(lsIgnoreAllChangeAll), true, {.internal = true, .name = {}});
  for (const std::string& name : customNames) {
    const std::string caption = ExtractFileName(name);
    AddEntryRow(caption, config->ReadCustomDictionaries().Contains(name), {.renamable = caption == name, .name = name});
  }
  for (const std::string& path : wordPaths)
    AddEntryRow(ExtractFileName(path), config->ReadMSWordCustomDictionaries().Contains(path),
                {.wordDictionary = true, .name = path});
  filling_ = false;
}

bool TCustomDictionariesDialog::SelectFile(const std::string& caption) {
  for (int row = 0; row < CustomDictionaries.Count(); ++row)
    // File names: "spell.ADU" is the file Spell.adu.
    if (AnsiSameText(CustomDictionaries.Text(row), caption)) {
      CustomDictionaries.Select(row);
      return true;
    }
  return false;
}

void TCustomDictionariesDialog::CustomDictionariesSelectItem(int row, bool /*selected*/) {
  const TListEntry* entry = Entry(row);
  const bool selected = entry && CustomDictionaries.RowSelected(row);
  DeleteButton.SetEnabled(selected && !entry->internal && !entry->wordDictionary);
  EditButton.SetEnabled(selected);
}

bool TCustomDictionariesDialog::CustomDictionariesEditing(int row) {
  const TListEntry* entry = Entry(row);
  if (!entry || !entry->renamable) return false;
  // Enter ends the edit instead of closing the dialog.
  SetDefaultButton(OK.Handle(), false);
  return true;
}

bool TCustomDictionariesDialog::CustomDictionariesEdited(int row, const std::optional<std::string>& text) {
  SetDefaultButton(OK.Handle(), true);
  TListEntry* entry = Entry(row);
  if (!entry || !text) return false;
  const std::string oldCaption = CustomDictionaries.Text(row);
  if (!DialogControl.RenameCustomDictionary(oldCaption, *text)) return false;
  // The engine names the file with ".adu"; the row shows the file's name so
  // that the next rename, edit or delete finds it.
  entry->name = DictionaryFileName(*text);
  CustomDictionaries.SetText(row, 0, entry->name);
  return false;
}

void TCustomDictionariesDialog::CustomDictionariesChange(int row) {
  TListEntry* entry = Entry(row);
  if (filling_ || !entry) return;
  const bool checked = CustomDictionaries.Checked(row);
  if (entry->internal) {
    if (!checked) CustomDictionaries.SetChecked(row, true);
    return;
  }
  if (checked == entry->checked) return;
  entry->checked = checked;
  CustomDictionaries.Select(row);
  if (entry->wordDictionary)
    DialogControl.EnableWordDictionary(entry->name, checked);
  else
    DialogControl.EnableCustomDictionary(entry->name, checked);
}

void TCustomDictionariesDialog::NewButtonClick() {
  std::string typed;
  {
    TNewCustomDictionary dialog(Handle());
    dialog.DialogControl.WriteSpellDialogs(DialogControl.ReadSpellDialogs());
    if (dialog.ShowModal() != ui::mrOk) return;
    typed = dialog.NameEdit.Text();
  }
  const std::string name = DictionaryFileName(typed);
  // A name with nothing before its extension would make a file called ".adu".
  if (name.empty() || SelectFile(name)) return;
  DialogControl.CreateNewCustomDictionary(name);
  DialogControlConfigurationAvailable();
  SelectFile(name);
  CustomDictionaries.SetFocus();
}

void TCustomDictionariesDialog::EditButtonClick() {
  const TListEntry* entry = Entry(CustomDictionaries.FocusedRow());
  if (!entry) return;
  if (entry->internal) {
    DialogControl.EditCustomDictionary(DialogControl.ReadInternalCustom());
  } else if (entry->wordDictionary) {
    shellOpen(Handle(), entry->name, SW_SHOWNORMAL);
  } else if (std::unique_ptr<TCustomDictionary> dictionary = DialogControl.GetCustomDictionary(entry->name)) {
    DialogControl.EditCustomDictionary(dictionary.get());
    // Freeing it saves the edited words.
  }
}

void TCustomDictionariesDialog::DeleteButtonClick() {
  const TListEntry* entry = Entry(CustomDictionaries.FocusedRow());
  if (!entry || entry->internal || entry->wordDictionary) return;
  const std::string text = DialogControl.GetString(lsRemoveCustomDict);
  const std::string caption = DialogControl.GetString(lsConfirmation);
  if (MessageBoxW(Handle(), platform::Wide(text).c_str(), platform::Wide(caption).c_str(),
                  MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
    return;
  DialogControl.RemoveCustomDictionary(entry->name);
  DialogControlConfigurationAvailable();
}

void TCustomDictionariesDialog::HelpButtonClick() { DialogControl.HelpDictionariesDialog(); }

}  // namespace tq::spell
