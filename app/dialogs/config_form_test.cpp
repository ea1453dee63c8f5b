#include "app/dialogs/config_form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "app/core/paste_method.h"
#include "ui/caption_fit.h"
#include "ui/test_host.h"
#include "ui/test_message_boxes.h"

namespace tq::app {
namespace {

using ui::testing::TestHost;

TEST(ConfigForm, ShowsTheValuesItIsGivenAndReadsThemBack) {
  TestHost host;
  const ConfigValues a{.MainHotKey = 0x6051,  // Shift+Ctrl+Q
                       .MenuHotKey = 0xC04D,  // Ctrl+Alt+M
                       .SaveFormat = true,
                       .DefaultWithFormat = false,
                       .HideAfterInsert = true,
                       .ShowHotkeyInTree = false,
                       .AutoExpandTree = true,
                       .LiveSpelling = false,
                       .RestoreClipboard = true,
                       .PasteMethods = {{PasteMethodRule::Match::Program, "notes.exe", PasteMethod::TypeText},
                                        {PasteMethodRule::Match::Program, "term.exe", PasteMethod::ShiftInsert}},
                       .StartWithWindows = true};
  ConfigValues b{.MainHotKey = 0,
                 .MenuHotKey = 0x4000 | VK_F7,
                 .SaveFormat = false,
                 .DefaultWithFormat = true,
                 .HideAfterInsert = false,
                 .ShowHotkeyInTree = true,
                 .AutoExpandTree = false,
                 .LiveSpelling = true,
                 .SearchHotKey = 0xC020,  // Ctrl+Alt+Space
                 .RestoreClipboard = false,
                 .PasteMethods = {},
                 .StartWithWindows = false};
  for (const ConfigValues& values : {a, b}) {
    TConfigForm form(host.form.Handle(), values);
    EXPECT_EQ(form.Values(), values);
  }
  // Only the low 16 bits of a stored hotkey count.
  ConfigValues wide = a;
  wide.MainHotKey = 0x10000 | 0x6051;
  TConfigForm form(host.form.Handle(), wide);
  EXPECT_EQ(form.Values().MainHotKey, 0x6051);
}

TEST(ConfigForm, OkReturnsWhatTheUserChangedWithTheFocusStartingInTheMainHotKey) {
  TestHost host;
  host.form.Show();
  ConfigValues start;
  TConfigForm form(host.form.Handle(), start);
  PostMessageA(form.HideAfterInsertCheck.Handle(), BM_CLICK, 0, 0);
  PostMessageA(form.LiveSpellingCheck.Handle(), BM_CLICK, 0, 0);
  PostMessageA(form.StartWithWindowsCheck.Handle(), BM_CLICK, 0, 0);
  PostMessageA(form.MenuHotKey.Handle(), HKM_SETHOTKEY, MAKEWORD('P', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
  PostMessageA(form.SearchHotKey.Handle(), HKM_SETHOTKEY, MAKEWORD('F', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
  PostMessageA(form.OkBtn.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(form.ShowModal(), ui::mrOk);
  ConfigValues expected = start;
  expected.HideAfterInsert = !start.HideAfterInsert;
  expected.LiveSpelling = !start.LiveSpelling;
  expected.StartWithWindows = !start.StartWithWindows;
  expected.MenuHotKey = 0xC000 | 'P';
  expected.SearchHotKey = 0x6000 | 'F';
  EXPECT_EQ(form.Values(), expected);

  TConfigForm again(host.form.Handle(), start);
  again.Show();
  EXPECT_EQ(GetFocus(), again.MainHotKey.Handle());
  PostMessageA(again.CancelBtn.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(again.ShowModal(), ui::mrCancel);
}

TEST(ConfigForm, CaptionsPagesAndTexts) {
  TestHost host;
  TConfigForm form(host.form.Handle(), {});
  EXPECT_EQ(form.Text(), "Configuration");
  EXPECT_EQ(form.ClientRect().width, form.Scale(372));
  EXPECT_EQ(form.ClientRect().height, form.Scale(306));
  ASSERT_EQ(form.PageControl.PageCount(), 3);
  EXPECT_EQ(form.PageControl.PageCaption(0), "Hot&keys");
  EXPECT_EQ(form.PageControl.PageCaption(1), "&Other Options");
  EXPECT_EQ(form.PageControl.PageCaption(2), "&Pasting");
  EXPECT_EQ(form.MainHotKeyLabel.Text(), "Hotkey to activate the &main screen:");
  EXPECT_EQ(form.MenuHotKeyLabel.Text(), "Hotkey to activate the popup me&nu interface:");
  EXPECT_EQ(form.SearchHotKeyLabel.Text(), "Hotkey to find a reply by t&yping:");
  EXPECT_EQ(form.HotKeyHelpLabel.Text(),
            "To define the hotkey click in a hotkey box above and press a key combination on the keyboard.  A hotkey "
            "can be one or more of the CTRL, ALT and SHIFT keys combined with another key.");
  const std::pair<ui::Wnd*, const char*> captions[] = {
      {&form.FormattingGroup, "Formatting"},
      {&form.ViewGroup, "View"},
      {&form.SpellingGroup, "Spelling"},
      {&form.SaveFormatCheck, "&Save formatting by default"},
      {&form.DefaultWithFormatCheck, "&Insert with formatting (if available) when selecting reply directly"},
      {&form.HideAfterInsertCheck, "Hide main window after insertin&g"},
      {&form.ShowHotkeyInTreeCheck, "Sho&w reply hotkey at the end of reply description "},
      {&form.AutoExpandTreeCheck, "&Automatically expand the reply tree when opening"},
      {&form.LiveSpellingCheck, "Automatically &mark mis-spelled words in reply text"},
      {&form.StartWithWindowsCheck, "S&tart Tavrin Quillet when Windows starts"},
      {&form.OkBtn, "OK"},
      {&form.CancelBtn, "&Cancel"},
      {&form.HelpBtn, "&Help"},
      {&form.RestoreClipboardCheck, "K&eep my clipboard: put back what was on it once a reply is pasted"},
      {&form.PasteMethodsLabel, "Paste keys &by program (yours come first):"},
      {&form.PasteProgramLabel, "Program &file:"},
      {&form.PasteMethodLabel, "Metho&d:"},
      {&form.PlainOnlyCheck, "Plain te&xt only: no formatting for this program"},
      {&form.SetPasteMethodBtn, "&Use"},
      {&form.RemovePasteMethodBtn, "&Remove"},
  };
  for (const auto& [control, caption] : captions) EXPECT_EQ(control->Text(), caption);
  EXPECT_TRUE(GetWindowLongA(form.OkBtn.Handle(), GWL_STYLE) & BS_DEFPUSHBUTTON) << "OK is the default button";

  // Switching pages shows one page at a time.
  EXPECT_TRUE(GetWindowLongA(form.PageControl.Page(0).Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(GetWindowLongA(form.PageControl.Page(1).Handle(), GWL_STYLE) & WS_VISIBLE);
  form.PageControl.SetActivePage(1);
  EXPECT_FALSE(GetWindowLongA(form.PageControl.Page(0).Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongA(form.PageControl.Page(1).Handle(), GWL_STYLE) & WS_VISIBLE);
}

// A row of the paste-method list as "program | method | from".
std::string Row(const TConfigForm& form, int row) {
  return form.PasteMethodsList.Text(row, 0) + " | " + form.PasteMethodsList.Text(row, 1) + " | " +
         form.PasteMethodsList.Text(row, 2);
}

TEST(ConfigForm, ThePastingPageListsTheUsersRulesBeforeTheBuiltInOnesAndEditsThem) {
  TestHost host;
  host.form.Show();
  ConfigValues start;
  start.PasteMethods = {{PasteMethodRule::Match::Program, "notes.exe", PasteMethod::TypeText}};
  TConfigForm form(host.form.Handle(), start);
  const int builtIn = static_cast<int>(BuiltInPasteMethods().size());
  ASSERT_EQ(form.PasteMethodsList.Count(), 1 + builtIn);
  EXPECT_EQ(Row(form, 0), "notes.exe | Type the text | You");
  EXPECT_EQ(Row(form, 1), "Class ConsoleWindowClass | Shift+Insert | Built in");
  EXPECT_EQ(form.PasteMethodsList.Text(1, 3), "Plain") << "consoles get no formatting";
  EXPECT_EQ(form.PasteMethodsList.Text(0, 3), "");
  EXPECT_FALSE(form.RemovePasteMethodBtn.Enabled()) << "nothing selected";
  EXPECT_FALSE(form.RestoreClipboardCheck.Checked()) << "off unless stored";

  // A new rule, typed in and set with the button.
  form.PasteProgramEdit.SetText(" putty.exe ");
  form.PasteMethodCombo.SetSelectedIndex(2);
  form.PlainOnlyCheck.SetChecked(true);
  form.SetPasteMethodBtn.Send(BM_CLICK);
  ASSERT_EQ(form.PasteMethodsList.Count(), 2 + builtIn);
  EXPECT_EQ(Row(form, 1), "putty.exe | Slow Ctrl+V | You");
  EXPECT_EQ(form.PasteMethodsList.Text(1, 3), "Plain");
  EXPECT_EQ(form.PasteMethodsList.SelectedRow(), 1);
  EXPECT_TRUE(form.RemovePasteMethodBtn.Enabled());

  // Choosing a row shows it for editing; Remove takes a rule of the user's.
  form.PasteMethodsList.Select(0);
  EXPECT_EQ(form.PasteProgramEdit.Text(), "notes.exe");
  EXPECT_EQ(form.PasteMethodCombo.ItemText(form.PasteMethodCombo.SelectedIndex()), "Type the text");
  EXPECT_FALSE(form.PlainOnlyCheck.Checked());
  form.RemovePasteMethodBtn.Send(BM_CLICK);
  EXPECT_EQ(Row(form, 0), "putty.exe | Slow Ctrl+V | You");
  // A built-in rule cannot be removed, only overridden by one of the user's.
  form.PasteMethodsList.Select(1);
  EXPECT_FALSE(form.RemovePasteMethodBtn.Enabled());

  // A name no program file has is refused with a message.
  {
    ui::testing::MessageBoxAnswerer answerer;
    form.PasteProgramEdit.SetText("C:\\Tools\\x.exe");
    form.SetPasteMethodBtn.Send(BM_CLICK);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text,
              "Type the file name of the program to paste into, such as notes.exe (without its folder).");
  }
  EXPECT_EQ(form.PasteMethodsList.Count(), 1 + builtIn);

  PostMessageA(form.RestoreClipboardCheck.Handle(), BM_CLICK, 0, 0);
  PostMessageA(form.OkBtn.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(form.ShowModal(), ui::mrOk);
  EXPECT_TRUE(form.Values().RestoreClipboard);
  EXPECT_EQ(form.Values().PasteMethods,
            (std::vector<PasteMethodRule>{{PasteMethodRule::Match::Program, "putty.exe", PasteMethod::SlowCtrlV, true}}));
}

// The access key of a caption ('&' before it), 0 for none.
char AccessKey(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (caption[i + 1] != '&') return static_cast<char>(toupper(static_cast<unsigned char>(caption[i + 1])));
      ++i;
    }
  }
  return 0;
}

BOOL CALLBACK CollectCaption(HWND hwnd, LPARAM captions) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  reinterpret_cast<std::vector<std::string>*>(captions)->push_back(text);
  return TRUE;
}

TEST(ConfigForm, ThePastingPagesAccessKeysAreNoOtherControls) {
  TestHost host;
  TConfigForm form(host.form.Handle(), {});
  std::vector<std::string> captions;
  EnumChildWindows(form.Handle(), &CollectCaption, reinterpret_cast<LPARAM>(&captions));
  for (int page = 0; page < form.PageControl.PageCount(); ++page)
    captions.push_back(form.PageControl.PageCaption(page));
  const ui::Wnd* own[] = {&form.RestoreClipboardCheck, &form.PasteMethodsLabel, &form.PasteProgramLabel,
                          &form.PasteMethodLabel,      &form.SetPasteMethodBtn, &form.RemovePasteMethodBtn};
  std::vector<std::string> pageCaptions = {form.PageControl.PageCaption(2)};
  for (const ui::Wnd* control : own) pageCaptions.push_back(control->Text());
  for (const std::string& caption : pageCaptions) {
    const char key = AccessKey(caption);
    ASSERT_NE(key, 0) << caption;
    int uses = 0;
    for (const std::string& other : captions) uses += AccessKey(other) == key;
    EXPECT_EQ(uses, 1) << caption << ": '" << key << "' is taken";
  }
}

TEST(ConfigForm, HotKeyBoxesRefuseKeysWithoutCtrl) {
  TestHost host;
  TConfigForm form(host.form.Handle(), {});
  for (ui::HotKeyBox* box : {&form.MainHotKey, &form.MenuHotKey}) {
    // Shift+A typed into the box.
    box->Send(WM_KEYDOWN, VK_SHIFT, 0);
    box->Send(WM_KEYDOWN, 'A', 0);
    box->Send(WM_KEYUP, 'A', 0xC0000000);
    box->Send(WM_KEYUP, VK_SHIFT, 0xC0000000);
    EXPECT_EQ(box->Value(), 'A') << "Shift alone is replaced by no modifier";
    box->Send(WM_KEYDOWN, VK_CONTROL, 0);
    box->Send(WM_KEYDOWN, 'B', 0);
    box->Send(WM_KEYUP, 'B', 0xC0000000);
    box->Send(WM_KEYUP, VK_CONTROL, 0xC0000000);
    EXPECT_EQ(box->Value(), 0x4000 | 'B');
  }
}

// Every caption of every page fits its control, measured with its own font.
TEST(ConfigForm, EveryCaptionFits) {
  TestHost host;
  TConfigForm form(host.form.Handle(), {});
  form.Show();
  for (int page = 0; page < form.PageControl.PageCount(); ++page) {
    form.PageControl.SetActivePage(page);
    std::string cut;
    for (const std::string& c : ui::CutCaptions(form.Handle())) cut += "\n  " + c;
    EXPECT_EQ(cut, "") << "page " << page;
  }
}

}  // namespace
}  // namespace tq::app
