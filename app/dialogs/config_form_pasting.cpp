// The configuration dialog's "Pasting" page: whether the user's clipboard is
// put back after a paste, and which keys paste into which program and
// whether it gets a rich reply's formatting. The
// built-in rules are listed after the user's so that the user sees what
// happens without a rule of their own, and can override one by adding a rule
// for the same program.
#include <algorithm>
#include <optional>
#include <string>

#include "app/core/dialog_captions.h"
#include "app/core/paste_method.h"
#include "app/dialogs/config_form.h"
#include "ui/caption_fit.h"
#include "ui/message_box.h"

namespace tq::app {
namespace {

constexpr char kBadProgramName[] =
    "Type the file name of the program to paste into, such as notes.exe (without its folder).";

std::string RuleCaption(const PasteMethodRule& rule) {
  return rule.match == PasteMethodRule::Match::WindowClass ? "Class " + rule.name : rule.name;
}

}  // namespace

void TConfigForm::CreatePastingPage(ui::Panel& page, const ConfigValues& values) {
  RestoreClipboardCheck.Create(page, {12, 8, 330, 28}, ConfigCaptions::RestoreClipboard);
  SetWindowLongPtrW(RestoreClipboardCheck.Handle(), GWL_STYLE,
                    GetWindowLongPtrW(RestoreClipboardCheck.Handle(), GWL_STYLE) | BS_MULTILINE | BS_TOP);
  PasteMethodsLabel.Create(page, {12, 42, 330, 13}, ConfigCaptions::PasteMethodsLabel);
  PasteMethodsList.Create(page, {12, 58, 330, 110}, {.rowSelect = true, .showSelectionAlways = true});
  PasteMethodsList.AddColumn("Program", 120);
  PasteMethodsList.AddColumn("Paste with", 84);
  PasteMethodsList.AddColumn("From", 56);
  PasteMethodsList.AddColumn("Text", 50);
  PasteProgramLabel.Create(page, {12, 174, 112, 13}, ConfigCaptions::PasteProgramLabel);
  PasteProgramEdit.Create(page, {12, 190, 112, 21});
  PasteMethodLabel.Create(page, {130, 174, 100, 13}, ConfigCaptions::PasteMethodLabel);
  PasteMethodCombo.Create(page, {130, 190, 108, 120});
  for (PasteMethod m : kPasteMethods) PasteMethodCombo.AddItem(PasteMethodName(m));
  PasteMethodCombo.SetSelectedIndex(0);
  PlainOnlyCheck.Create(page, {12, 218, 330, 17}, ConfigCaptions::PlainTextOnly);
  SetPasteMethodBtn.Create(page, {244, 189, 46, 23}, ConfigCaptions::SetPasteMethod);
  RemovePasteMethodBtn.Create(page, {294, 189, 48, 23}, ConfigCaptions::RemovePasteMethod);
  // The two buttons as wide as their captions need, against the list's right
  // edge; the method box gives up the width.
  const int gap = page.Scale(4);
  int right = PasteMethodsList.Bounds().x + PasteMethodsList.Bounds().width;
  for (ui::Button* button : {&RemovePasteMethodBtn, &SetPasteMethodBtn}) {
    ui::Rect b = button->Bounds();
    b.width = std::max(b.width, ui::CaptionWidthNeeded(*button));
    b.x = right - b.width;
    button->SetBounds(b);
    right = b.x - gap;
  }
  ui::Rect combo = PasteMethodCombo.Bounds();
  combo.width = right - page.Scale(2) - combo.x;
  PasteMethodCombo.SetBounds(combo);

  RestoreClipboardCheck.SetChecked(values.RestoreClipboard);
  pasteMethods_ = values.PasteMethods;
  PasteMethodsList.onSelectionChanged = [this](int row, bool selected) {
    if (selected) PasteMethodSelected(row);
  };
  SetPasteMethodBtn.onClick = [this] { SetPasteMethodClick(); };
  RemovePasteMethodBtn.onClick = [this] { RemovePasteMethodClick(); };
  FillPasteMethods();
}

void TConfigForm::FillPasteMethods(int selectUserRule) {
  PasteMethodsList.Clear();
  for (size_t i = 0; i < pasteMethods_.size(); ++i) {
    const int row = PasteMethodsList.AddRow(RuleCaption(pasteMethods_[i]), static_cast<LPARAM>(i));
    PasteMethodsList.SetText(row, 1, PasteMethodName(pasteMethods_[i].method));
    PasteMethodsList.SetText(row, 2, "You");
    PasteMethodsList.SetText(row, 3, pasteMethods_[i].plainOnly ? "Plain" : "");
  }
  for (const PasteMethodRule& rule : BuiltInPasteMethods()) {
    const int row = PasteMethodsList.AddRow(RuleCaption(rule), kBuiltInRow);
    PasteMethodsList.SetText(row, 1, PasteMethodName(rule.method));
    PasteMethodsList.SetText(row, 2, "Built in");
    PasteMethodsList.SetText(row, 3, rule.plainOnly ? "Plain" : "");
  }
  if (selectUserRule >= 0) PasteMethodsList.Select(selectUserRule);
  RemovePasteMethodBtn.SetEnabled(selectUserRule >= 0);
}

void TConfigForm::PasteMethodSelected(int row) {
  const LPARAM index = PasteMethodsList.Data(row);
  const bool own = index != kBuiltInRow;
  const PasteMethodRule& rule = own ? pasteMethods_[index] : BuiltInPasteMethods()[row - pasteMethods_.size()];
  // A built-in rule for a window class names no program to override.
  if (rule.match == PasteMethodRule::Match::Program) PasteProgramEdit.SetText(rule.name);
  for (int i = 0; i < PasteMethodCombo.Count(); ++i) {
    if (PasteMethodCombo.ItemText(i) == PasteMethodName(rule.method)) PasteMethodCombo.SetSelectedIndex(i);
  }
  PlainOnlyCheck.SetChecked(rule.plainOnly);
  RemovePasteMethodBtn.SetEnabled(own);
}

void TConfigForm::SetPasteMethodClick() {
  const int choice = PasteMethodCombo.SelectedIndex();
  const PasteMethod method = choice >= 0 ? kPasteMethods[choice] : PasteMethod::CtrlV;
  const std::optional<size_t> index =
      SetPasteMethodRule(pasteMethods_, PasteProgramEdit.Text(), method, PlainOnlyCheck.Checked());
  if (!index) {
    ui::ShowErrorBox(Handle(), kBadProgramName);
    PasteProgramEdit.SetFocus();
    return;
  }
  FillPasteMethods(static_cast<int>(*index));
}

void TConfigForm::RemovePasteMethodClick() {
  const int row = PasteMethodsList.SelectedRow();
  if (row < 0 || PasteMethodsList.Data(row) == kBuiltInRow) return;
  pasteMethods_.erase(pasteMethods_.begin() + PasteMethodsList.Data(row));
  FillPasteMethods();
}

}  // namespace tq::app
