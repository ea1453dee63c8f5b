#include "app/dialogs/config_form.h"

#include "app/core/dialog_captions.h"
#include "app/shell_open.h"
#include "ui/window_place.h"

namespace tq::app {
namespace {

constexpr int kClientWidth = 372;
// 28 pixels taller than the two-hotkey dialog once was: room for the third
// hotkey and the start-with-Windows box under the hotkeys' help.
constexpr int kClientHeight = 306;
constexpr int kBorder = 5;  // the dialog's frame around its contents
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

constexpr char kHotKeyHelp[] =
    "To define the hotkey click in a hotkey box above and press a key combination on the keyboard.  A hotkey can be "
    "one or more of the CTRL, ALT and SHIFT keys combined with another key.";

}  // namespace

TConfigForm::TConfigForm(HWND owner, const ConfigValues& values) {
  Create({.caption = "Configuration",
          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
          .exStyle = WS_EX_DLGMODALFRAME,
          .owner = owner});
  ui::SetClientSizeCentred(*this, Scale(kClientWidth), Scale(kClientHeight), owner);

  const int buttonsY = kClientHeight - kBorder - kButtonHeight;
  PageControl.Create(*this, {kBorder, kBorder, kClientWidth - 2 * kBorder, buttonsY - 8 - kBorder});
  ui::Panel& hotkeys = PageControl.AddPage(ConfigCaptions::HotkeysPage);
  ui::Panel& other = PageControl.AddPage(ConfigCaptions::OtherPage);
  ui::Panel& pasting = PageControl.AddPage(ConfigCaptions::PastingPage);

  MainHotKeyLabel.Create(hotkeys, {12, 12, 330, 13}, ConfigCaptions::MainHotKeyLabel);
  MainHotKey.Create(hotkeys, {12, 28, 180, 21}, ui::HotKeyRules::NeedsCtrlOrMore);
  MenuHotKeyLabel.Create(hotkeys, {12, 62, 330, 13}, ConfigCaptions::MenuHotKeyLabel);
  MenuHotKey.Create(hotkeys, {12, 78, 180, 21}, ui::HotKeyRules::NeedsCtrlOrMore);
  SearchHotKeyLabel.Create(hotkeys, {12, 112, 330, 13}, ConfigCaptions::SearchHotKeyLabel);
  SearchHotKey.Create(hotkeys, {12, 128, 180, 21}, ui::HotKeyRules::NeedsCtrlOrMore);
  HotKeyHelpLabel.Create(hotkeys, {12, 162, 330, 54}, kHotKeyHelp);
  // How the program is reached belongs with its hotkeys.
  StartWithWindowsCheck.Create(hotkeys, {12, 222, 330, 17}, ConfigCaptions::StartWithWindows);

  const int groupWidth = 338;
  const int checkWidth = groupWidth - 20;
  SaveFormatCheck.Create(other, {18, 20, checkWidth, 17}, ConfigCaptions::SaveFormat);
  // The longest caption may take two lines.
  DefaultWithFormatCheck.Create(other, {18, 38, checkWidth, 28}, ConfigCaptions::DefaultWithFormat);
  SetWindowLongPtrW(DefaultWithFormatCheck.Handle(), GWL_STYLE,
                    GetWindowLongPtrW(DefaultWithFormatCheck.Handle(), GWL_STYLE) | BS_MULTILINE | BS_TOP);
  FormattingGroup.Create(other, {8, 4, groupWidth, 68}, ConfigCaptions::FormattingGroup);
  HideAfterInsertCheck.Create(other, {18, 93, checkWidth, 17}, ConfigCaptions::HideAfterInsert);
  ShowHotkeyInTreeCheck.Create(other, {18, 113, checkWidth, 17}, ConfigCaptions::ShowHotkeyInTree);
  AutoExpandTreeCheck.Create(other, {18, 133, checkWidth, 17}, ConfigCaptions::AutoExpandTree);
  ViewGroup.Create(other, {8, 76, groupWidth, 80}, ConfigCaptions::ViewGroup);
  LiveSpellingCheck.Create(other, {18, 178, checkWidth, 17}, ConfigCaptions::LiveSpelling);
  SpellingGroup.Create(other, {8, 160, groupWidth, 42}, ConfigCaptions::SpellingGroup);

  CreatePastingPage(pasting, values);

  const int helpX = kClientWidth - kBorder - kButtonWidth;
  OkBtn.Create(*this, {helpX - 2 * (kButtonWidth + 6), buttonsY, kButtonWidth, kButtonHeight}, ConfigCaptions::Ok,
               {.id = IDOK, .isDefault = true, .modalResult = ui::mrOk});
  CancelBtn.Create(*this, {helpX - (kButtonWidth + 6), buttonsY, kButtonWidth, kButtonHeight}, ConfigCaptions::Cancel,
                   {.id = IDCANCEL, .modalResult = ui::mrCancel});
  HelpBtn.Create(*this, {helpX, buttonsY, kButtonWidth, kButtonHeight}, ConfigCaptions::Help);
  HelpBtn.onClick = [this] { ShowHelpFile(Handle(), kConfigHelpContext); };

  MainHotKey.SetValue(static_cast<uint32_t>(values.MainHotKey) & 0xFFFF);
  MenuHotKey.SetValue(static_cast<uint32_t>(values.MenuHotKey) & 0xFFFF);
  SearchHotKey.SetValue(static_cast<uint32_t>(values.SearchHotKey) & 0xFFFF);
  SaveFormatCheck.SetChecked(values.SaveFormat);
  DefaultWithFormatCheck.SetChecked(values.DefaultWithFormat);
  HideAfterInsertCheck.SetChecked(values.HideAfterInsert);
  ShowHotkeyInTreeCheck.SetChecked(values.ShowHotkeyInTree);
  AutoExpandTreeCheck.SetChecked(values.AutoExpandTree);
  LiveSpellingCheck.SetChecked(values.LiveSpelling);
  StartWithWindowsCheck.SetChecked(values.StartWithWindows);
}

TConfigForm::~TConfigForm() = default;

ConfigValues TConfigForm::Values() const {
  ConfigValues v;
  v.MainHotKey = MainHotKey.Value();
  v.MenuHotKey = MenuHotKey.Value();
  v.SearchHotKey = SearchHotKey.Value();
  v.SaveFormat = SaveFormatCheck.Checked();
  v.DefaultWithFormat = DefaultWithFormatCheck.Checked();
  v.HideAfterInsert = HideAfterInsertCheck.Checked();
  v.ShowHotkeyInTree = ShowHotkeyInTreeCheck.Checked();
  v.AutoExpandTree = AutoExpandTreeCheck.Checked();
  v.LiveSpelling = LiveSpellingCheck.Checked();
  v.StartWithWindows = StartWithWindowsCheck.Checked();
  v.RestoreClipboard = RestoreClipboardCheck.Checked();
  v.PasteMethods = pasteMethods_;
  return v;
}

LRESULT TConfigForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  const LRESULT result = Form::WndProc(msg, wp, lp);
  if (msg == WM_ACTIVATE && LOWORD(wp) != WA_INACTIVE && !focusPlaced_ && MainHotKey) {
    focusPlaced_ = true;
    PageControl.SetActivePage(0);
    MainHotKey.SetFocus();
  }
  return result;
}

}  // namespace tq::app
