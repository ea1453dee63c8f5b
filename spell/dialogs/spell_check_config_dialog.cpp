#include "spell/dialogs/spell_check_config_dialog.h"

#include <algorithm>

#include "spell/dialogs/dialog_frame.h"
#include "spell/engine/ansi_text.h"
#include "ui/caption_fit.h"

namespace tq::spell {

namespace {

constexpr int kClientWidth = 320;
constexpr int kClientHeight = 413;
constexpr int kOptionStep = 16;  // from one option box to the next

// Whether a control is to be shown (its own flag; the form may be hidden yet).
bool Shown(const ui::Wnd& control) { return GetWindowLongPtrW(control.Handle(), GWL_STYLE) & WS_VISIBLE; }

}  // namespace

TSpellCheckConfigDialog::TSpellCheckConfigDialog(HWND owner) {
  CreateSpellingForm(*this, owner, kClientWidth, kClientHeight);
  for (size_t i = 0; i < Options.size(); ++i) {
    Options[i].Create(*this, {16, 8 + 16 + kOptionStep * static_cast<int>(i), 289, 17}, "Option");
    Options[i].onClick = [this, i] { OptionsClick(static_cast<int>(i)); };
  }
  // The frames go below the controls they hold; their access keys lead to
  // the first control inside.
  OptionsGroup.Create(*this, {8, 8, 305, 201}, "Options");
  MainDictionaries.Create(*this, {16, 232, 289, 97}, {.checkBoxes = true, .columnHeaders = true, .rowSelect = true});
  MainDictionaries.AddColumn("Name", 150);
  MainDictionaries.AddColumn("Filename", 135);
  MainDictionaries.onClick = [this](int row, bool onLabel) { MainDictionariesClick(row, onLabel); };
  MainDictionaries.onSelectionChanged = [this](int row, bool selected) { MainDictionariesSelectItem(row, selected); };
  MainDictionaries.onCheckChanged = [this](int row) { MainDictionariesChange(row); };
  CustomLabel.Create(*this, {16, 333, 160, 13}, "Custom");
  CustomCombo.Create(*this, {16, 348, 169, 150});
  CustomCombo.onSelectionChanged = [this] { CustomComboChange(); };
  DictionariesButton.Create(*this, {200, 346, 105, 23}, "Dictionaries");
  DictionariesButton.onClick = [this] { DictionariesButtonClick(); };
  DictionariesGroup.Create(*this, {8, 216, 305, 161}, "Dictionaries");
  ResetButton.Create(*this, {8, 384, 100, 23}, "Reset");
  ResetButton.onClick = [this] { ResetButtonClick(); };
  HelpButton.Create(*this, {157, 384, 75, 23}, "Help");
  HelpButton.onClick = [this] { HelpButtonClick(); };
  OK.Create(*this, {238, 384, 75, 23}, "OK", {.id = IDOK, .isDefault = true, .modalResult = ui::mrOk});
  DialogControl.OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) { DialogControlConfigurationAvailable(); };
}

TSpellCheckConfigDialog::~TSpellCheckConfigDialog() = default;

void TSpellCheckConfigDialog::ShiftUp(ui::Wnd& control, int pixels) {
  ui::Rect b = control.Bounds();
  b.y -= pixels;
  control.SetBounds(b);
}

void TSpellCheckConfigDialog::DialogControlConfigurationAvailable() {
  TConfigurationDialogCtrl& c = DialogControl;
  SetText(c.GetString(lsSpellingOptions));
  OptionsGroup.SetText(c.GetString(lsDlgOptionsLabel));
  DictionariesGroup.SetText(c.GetString(lsDlgDictionariesLabel));
  MainDictionaries.SetColumnCaption(0, c.GetString(lsDlgName));
  MainDictionaries.SetColumnCaption(1, c.GetString(lsDlgFilename));
  CustomLabel.SetText(c.GetString(lsDlgCustomDictionary));
  DictionariesButton.SetText(c.GetString(lsDlgDictionaries));
  HelpButton.SetText(c.GetString(lsDlgHelp));
  ResetButton.SetText(c.GetString(lsDlgResetDefaults));
  OK.SetText(c.GetString(lsDlgOK));

  const TSpellDialogCommands visible = c.ReadCommandsVisible();
  const TSpellDialogCommands enabled = c.ReadCommandsEnabled();
  DictionariesButton.SetVisible(visible.Contains(sdcCustomDictionaries));
  CustomCombo.SetVisible(visible.Contains(sdcCustomDictionary));
  CustomLabel.SetVisible(visible.Contains(sdcCustomDictionary));
  ResetButton.SetVisible(visible.Contains(sdcResetDefaults));
  OK.SetVisible(visible.Contains(sdcConfigOK));
  HelpButton.SetVisible(visible.Contains(sdcHelp) && c.ReadHelpCtxConfigDialog() != 0);
  DictionariesButton.SetEnabled(enabled.Contains(sdcCustomDictionaries));
  CustomCombo.SetEnabled(enabled.Contains(sdcCustomDictionary));
  ResetButton.SetEnabled(enabled.Contains(sdcResetDefaults));
  OK.SetEnabled(enabled.Contains(sdcConfigOK));
  HelpButton.SetEnabled(enabled.Contains(sdcHelp));

  if (!Shown(DictionariesButton) && !Shown(CustomCombo)) {
    ui::Rect list = MainDictionaries.Bounds();
    const ui::Rect button = DictionariesButton.Bounds();
    list.height = button.y + button.height - list.y;
    MainDictionaries.SetBounds(list);
  }
  if (!Shown(OK) && !Shown(HelpButton)) {
    ui::Rect group = DictionariesGroup.Bounds();
    const ui::Rect ok = OK.Bounds();
    group.height = ok.y + ok.height - group.y;
    DictionariesGroup.SetBounds(group);
  }

  PopulateMainList();
  PopulateDropDown();
  const int hidden = PopulateOptions();
  if (hidden > 0) {
    // The form loses the height of the hidden boxes: the options group
    // shrinks and everything below it moves up.
    const int shift = hidden * (Options[1].Bounds().y - Options[0].Bounds().y);
    ui::Rect group = OptionsGroup.Bounds();
    group.height -= shift;
    OptionsGroup.SetBounds(group);
    for (ui::Wnd* w : std::initializer_list<ui::Wnd*>{&DictionariesGroup, &MainDictionaries, &CustomLabel, &CustomCombo,
                                                      &DictionariesButton, &ResetButton, &HelpButton, &OK})
      ShiftUp(*w, shift);
    ui::Rect outer = Bounds();
    outer.height -= shift;
    SetBounds(outer);
  }
  FitCaptions();
}

void TSpellCheckConfigDialog::FitCaptions() {
  using ui::CaptionWidthNeeded;
  const int gap = Scale(6);
  const auto right = [](const ui::Rect& r) { return r.x + r.width; };
  int widen = 0;
  const auto need = [&widen](int pixels) { widen = std::max(widen, pixels); };
  for (ui::CheckBox& box : Options)
    if (Shown(box)) need(CaptionWidthNeeded(box) - box.Bounds().width);
  for (ui::GroupBox* group : {&OptionsGroup, &DictionariesGroup})
    need(CaptionWidthNeeded(*group) - group->Bounds().width);
  // The Dictionaries button grows to the left, into the room beside the
  // list of custom dictionaries.
  const ui::Rect combo = CustomCombo.Bounds();
  ui::Rect dictionaries = DictionariesButton.Bounds();
  const int dictionariesGrowth = std::max(0, CaptionWidthNeeded(DictionariesButton) - dictionaries.width);
  if (Shown(DictionariesButton)) need(dictionariesGrowth - std::max(0, dictionaries.x - right(combo) - gap));
  const ui::Rect group = DictionariesGroup.Bounds();
  ui::Rect custom = CustomLabel.Bounds();
  custom.width = std::max(custom.width, CaptionWidthNeeded(CustomLabel));
  if (Shown(CustomLabel)) need(right(custom) - (right(group) - Scale(8)));
  // Reset Defaults stands on the left of the bottom row, Help and OK on the right.
  ui::Rect reset = ResetButton.Bounds();
  reset.width = std::max(reset.width, CaptionWidthNeeded(ResetButton));
  for (ui::Button* b : {&HelpButton, &OK})
    b->SetBounds(
        {b->Bounds().x, b->Bounds().y, std::max(b->Bounds().width, CaptionWidthNeeded(*b)), b->Bounds().height});
  const int rightRowStart = Shown(HelpButton) ? HelpButton.Bounds().x : OK.Bounds().x;
  if (Shown(ResetButton)) need(right(reset) + gap - rightRowStart);
  if (Shown(HelpButton)) need(right(HelpButton.Bounds()) + gap - OK.Bounds().x);

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ui::Rect outer = Bounds();
  widen = std::clamp(widen, 0, std::max(0, static_cast<int>(work.right - work.left) - outer.width));
  ResetButton.SetBounds(reset);
  CustomLabel.SetBounds(custom);
  if (Shown(HelpButton)) {
    // Help keeps its gap before OK, which may have grown.
    ui::Rect help = HelpButton.Bounds();
    help.x = OK.Bounds().x - gap - help.width;
    HelpButton.SetBounds(help);
  }
  if (widen == 0 && dictionariesGrowth == 0) return;
  outer.x = std::max(static_cast<int>(work.left), outer.x - widen / 2);
  outer.width += widen;
  SetBounds(outer);
  for (ui::Wnd* w : std::initializer_list<ui::Wnd*>{&OptionsGroup, &DictionariesGroup, &MainDictionaries}) {
    ui::Rect b = w->Bounds();
    b.width += widen;
    w->SetBounds(b);
  }
  for (ui::CheckBox& box : Options) {
    ui::Rect b = box.Bounds();
    b.width += widen;
    box.SetBounds(b);
  }
  for (ui::Wnd* w : std::initializer_list<ui::Wnd*>{&HelpButton, &OK}) {
    ui::Rect b = w->Bounds();
    b.x += widen;
    w->SetBounds(b);
  }
  dictionaries.x += widen - dictionariesGrowth;
  dictionaries.width += dictionariesGrowth;
  DictionariesButton.SetBounds(dictionaries);
  // The dictionaries' names (the longer column, in the language shown) take the new width.
  MainDictionaries.SetColumnWidth(0, MainDictionaries.ColumnWidth(0) + widen);
  FixHeader();
}

int TSpellCheckConfigDialog::PopulateOptions() {
  const TSpellOptions available = DialogControl.ReadAvailableOptions();
  const TSpellOptions current = DialogControl.ReadConfiguration()->ReadSpellOptions();
  size_t box = 0;
  populating_ = true;
  const auto show = [&](TSpellOption option) {
    tags_[box] = option;
    Options[box].SetText(DialogControl.GetOptionString(option));
    Options[box].SetChecked(current.Contains(option));
    Options[box].SetVisible(true);
    ++box;
  };
  for (int value = soLiveSpelling; value <= soUser4 && box < Options.size() - 1; ++value)
    if (available.Contains(static_cast<TSpellOption>(value))) show(static_cast<TSpellOption>(value));
  show(soThoroughSuggestions);
  populating_ = false;
  const int hidden = static_cast<int>(Options.size() - box);
  for (; box < Options.size(); ++box) {
    tags_[box] = -1;
    Options[box].SetVisible(false);
  }
  return hidden;
}

void TSpellCheckConfigDialog::OptionsClick(int box) {
  if (populating_ || tags_[static_cast<size_t>(box)] < 0) return;
  const auto option = static_cast<TSpellOption>(tags_[static_cast<size_t>(box)]);
  TQuillConfig* config = DialogControl.ReadConfiguration();
  if (!config) return;
  TSpellOptions options = config->ReadSpellOptions();
  const bool checked = Options[static_cast<size_t>(box)].Checked();
  if (checked == options.Contains(option)) return;
  options.Set(option, checked);
  config->WriteSpellOptions(options);
}

void TSpellCheckConfigDialog::PopulateMainList() {
  const TStringList* available = DialogControl.ReadAvailableMain();
  if (!available) return;
  populating_ = true;
  MainDictionaries.Clear();
  lastSeen_.clear();
  // A copy: opening a dictionary may refill the engine's list.
  const std::vector<std::string> files = available->Items();
  for (const std::string& file : files) {
    std::string title = "???";
    if (auto dictionary = DialogControl.GetMainDictionary(file)) title = dictionary->ReadTitle();
    const int row = MainDictionaries.AddRow(title);
    MainDictionaries.SetText(row, 1, file);
  }
  browseRow_ = DialogControl.ReadCommandsVisible().Contains(sdcMainDictFolderBrowse);
  if (browseRow_) MainDictionaries.AddRow(DialogControl.GetString(lsDlgBrowseForMain));
  const TStringList& configured = DialogControl.ReadConfiguration()->ReadMainDictionaries();
  for (size_t i = 0; i < files.size(); ++i) {
    const bool checked = configured.Contains(files[i]);
    MainDictionaries.SetChecked(static_cast<int>(i), checked);
    lastSeen_.push_back(checked);
  }
  if (browseRow_) MainDictionaries.SetChecked(static_cast<int>(files.size()), false);
  populating_ = false;
  FixHeader();
}

void TSpellCheckConfigDialog::FixHeader() {
  int width = MainDictionaries.Bounds().width - MainDictionaries.ColumnWidth(0) - 4;
  if (MainDictionaries.Count() > 4) width -= GetSystemMetrics(SM_CXVSCROLL);
  MainDictionaries.SetColumnWidth(1, width);
}

void TSpellCheckConfigDialog::MainDictionariesClick(int row, bool onLabelOrRight) {
  // The whole row acts as its check box.
  if (row >= 0 && onLabelOrRight) MainDictionaries.SetChecked(row, !MainDictionaries.Checked(row));
}

void TSpellCheckConfigDialog::MainDictionariesSelectItem(int row, bool selected) {
  // No row stays highlighted.
  if (selected) MainDictionaries.SetRowSelected(row, false);
}

void TSpellCheckConfigDialog::MainDictionariesChange(int row) {
  if (populating_ || row < 0) return;
  const bool checked = MainDictionaries.Checked(row);
  const int dictionaryRows = static_cast<int>(lastSeen_.size());
  if (browseRow_ && row == dictionaryRows) {
    if (!checked) return;
    populating_ = true;
    MainDictionaries.SetChecked(row, false);
    populating_ = false;
    DialogControl.SetupAddDictionaryDir();
    PopulateMainList();
    return;
  }
  if (row >= dictionaryRows || checked == lastSeen_[static_cast<size_t>(row)]) return;
  lastSeen_[static_cast<size_t>(row)] = checked;
  const std::string file = MainDictionaries.Text(row, 1);
  TStringList& list = DialogControl.ReadConfiguration()->ReadMainDictionaries();
  const int at = list.IndexOf(file);
  if (checked && at < 0) list.Add(file);
  if (!checked && at >= 0) list.Delete(at);
}

void TSpellCheckConfigDialog::PopulateDropDown() {
  const TStringList* available = DialogControl.ReadAvailableCustom();
  if (!available) return;
  CustomCombo.Clear();
  const std::vector<std::string> names = available->Items();
  for (const std::string& name : names) CustomCombo.AddItem(name);
  const std::string active = DialogControl.ReadConfiguration()->ReadActiveCustom();
  int selected = -1;
  for (size_t i = 0; i < names.size() && !active.empty() && selected < 0; ++i)
    if (AnsiSameText(names[i], active)) selected = static_cast<int>(i);
  CustomCombo.SetSelectedIndex(selected);
}

void TSpellCheckConfigDialog::CustomComboChange() {
  const int index = CustomCombo.SelectedIndex();
  if (index >= 0) DialogControl.ReadConfiguration()->WriteActiveCustom(CustomCombo.ItemText(index));
}

void TSpellCheckConfigDialog::DictionariesButtonClick() {
  DialogControl.SetupCustomDictionaries();
  PopulateDropDown();
}

void TSpellCheckConfigDialog::ResetButtonClick() {
  DialogControl.ReadConfiguration()->ResetConfigurationDefaults();
  PopulateMainList();
  PopulateDropDown();
  PopulateOptions();
}

void TSpellCheckConfigDialog::HelpButtonClick() { DialogControl.HelpConfigDialog(); }

LRESULT TSpellCheckConfigDialog::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SHOWWINDOW && wp) FixHeader();
  return TSpellingForm::WndProc(msg, wp, lp);
}

}  // namespace tq::spell
