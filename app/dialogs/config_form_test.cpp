#include "app/dialogs/config_form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "ui/test_host.h"

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
  ASSERT_EQ(form.PageControl.PageCount(), 2);
  EXPECT_EQ(form.PageControl.PageCaption(0), "Hot&keys");
  EXPECT_EQ(form.PageControl.PageCaption(1), "&Other Options");
  EXPECT_EQ(form.MainHotKeyLabel.Text(), "Hotkey to activate the &main screen:");
  EXPECT_EQ(form.MenuHotKeyLabel.Text(), "Hotkey to activate the &popup menu interface:");
  EXPECT_EQ(form.SearchHotKeyLabel.Text(), "Hotkey to &find a reply by typing:");
  EXPECT_EQ(form.HotKeyHelpLabel.Text(),
            "To define the hotkey click in a hotkey box above and press a key combination on the keyboard.  A hotkey "
            "can be one or more of the CTRL, ALT and SHIFT keys combined with another key.");
  const std::pair<ui::Wnd*, const char*> captions[] = {
      {&form.FormattingGroup, "Formatting"},
      {&form.ViewGroup, "View"},
      {&form.SpellingGroup, "Spelling"},
      {&form.SaveFormatCheck, "&Save formatting by default"},
      {&form.DefaultWithFormatCheck, "&Insert with formatting (if available) when selecting reply directly"},
      {&form.HideAfterInsertCheck, "Hi&de main window after inserting"},
      {&form.ShowHotkeyInTreeCheck, "Sho&w reply hotkey at the end of reply description "},
      {&form.AutoExpandTreeCheck, "&Automatically expand the reply tree when opening"},
      {&form.LiveSpellingCheck, "Automatically &mark mis-spelled words in reply text"},
      {&form.StartWithWindowsCheck, "S&tart Tavrin Quillet when Windows starts"},
      {&form.OkBtn, "OK"},
      {&form.CancelBtn, "&Cancel"},
      {&form.HelpBtn, "&Help"},
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

}  // namespace
}  // namespace tq::app
