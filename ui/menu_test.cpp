#include "ui/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Menu, MenuBarCommandsAndShortcutsReachTheItemsCallbacks) {
  TestHost host;
  Menu bar(Menu::Kind::Bar);
  std::vector<std::string> ran;
  Menu& file = bar.AddSubmenu("&File");
  const int open = file.AddItem("&Open...", [&] { ran.push_back("open"); }, {.key = 'O', .ctrl = true});
  file.AddSeparator();
  const int exit = file.AddItem("E&xit", [&] { ran.push_back("exit"); });
  const int configure = bar.AddItem("&Configure...", [&] { ran.push_back("configure"); });
  host.form.SetMenu(&bar);
  EXPECT_EQ(GetMenu(host.form.Handle()), bar.Handle());

  host.form.Send(WM_COMMAND, MAKEWPARAM(exit, 0), 0);            // chosen with the mouse
  host.form.Send(WM_COMMAND, MAKEWPARAM(open, 1), 0);            // by its shortcut
  host.form.Send(WM_COMMAND, MAKEWPARAM(configure, 0), 0);       // a command on the bar itself
  host.form.Send(WM_COMMAND, MAKEWPARAM(configure + 50, 0), 0);  // no such item
  EXPECT_EQ(ran, (std::vector<std::string>{"exit", "open", "configure"}));

  EXPECT_EQ(file.ItemText(open), "&Open...") << "the shortcut text is shown but is no part of the caption";
  const std::vector<ACCEL> keys = bar.Accelerators();
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].key, 'O');
  EXPECT_EQ(keys[0].cmd, open);
  EXPECT_EQ(keys[0].fVirt, FVIRTKEY | FCONTROL);

  // The window does not destroy the menu it shows: the Menu object does.
  host.form.Destroy();
  EXPECT_TRUE(IsMenu(bar.Handle()));
}

TEST(Menu, ItemStateWorksThroughSubmenusAndClearStartsAfresh) {
  Menu popup(Menu::Kind::Popup);
  Menu& reopen = popup.AddSubmenu("&ReOpen");
  int calls = 0;
  const int first = reopen.AddItem("1 a.qdk", [&] { ++calls; });
  popup.SetEnabled(first, false);
  EXPECT_FALSE(popup.IsEnabled(first));
  popup.SetChecked(first, true);
  EXPECT_TRUE(reopen.IsChecked(first));
  popup.SetItemText(first, "1 b.qdk");
  EXPECT_EQ(reopen.ItemText(first), "1 b.qdk");
  EXPECT_TRUE(popup.Dispatch(first));
  EXPECT_EQ(calls, 1);

  reopen.Clear();
  EXPECT_EQ(reopen.ItemCount(), 0);
  EXPECT_FALSE(popup.Dispatch(first));
  const int again = reopen.AddItem("1 c.qdk", [&] { calls += 10; });
  EXPECT_EQ(again, first) << "a cleared item's id is given out again";
  EXPECT_TRUE(popup.Dispatch(again));
  EXPECT_EQ(calls, 11);
}

// The recent-files submenu is rebuilt after every open: thousands of rebuilds
// in one session must leave its ids within a WM_COMMAND's 16 bits, each
// command reaching its own item and no other command's.
TEST(Menu, ARebuiltSubmenuKeepsItsIdsSmallAndDistinctFromTheOtherItems) {
  TestHost host;
  Menu bar(Menu::Kind::Bar);
  Menu& file = bar.AddSubmenu("&File");
  std::string ran;
  const int exit = file.AddItem("E&xit", [&] { ran = "exit"; });
  Menu& reopen = file.AddSubmenu("&ReOpen");
  const int configure = bar.AddItem("&Configure...", [&] { ran = "configure"; });
  host.form.SetMenu(&bar);
  std::vector<int> ids;
  for (int rebuild = 0; rebuild < 30000; ++rebuild) {
    reopen.Clear();
    ids.clear();
    for (int i = 0; i < 3; ++i)
      ids.push_back(reopen.AddItem(std::to_string(i + 1), [&ran, i] { ran = std::to_string(i + 1); }));
  }
  for (int id : ids) {
    EXPECT_LT(id, 0x10000);
    EXPECT_NE(id, exit);
    EXPECT_NE(id, configure);
  }
  host.form.Send(WM_COMMAND, MAKEWPARAM(ids[1], 0), 0);
  EXPECT_EQ(ran, "2");
  host.form.Send(WM_COMMAND, MAKEWPARAM(exit, 0), 0);
  EXPECT_EQ(ran, "exit");
  host.form.Send(WM_COMMAND, MAKEWPARAM(configure, 0), 0);
  EXPECT_EQ(ran, "configure");
}

TEST(Menu, ACallbackMayClearItsOwnMenu) {
  Menu popup(Menu::Kind::Popup);
  int calls = 0;
  const int id = popup.AddItem("x", [&] {
    ++calls;
    popup.Clear();
  });
  EXPECT_TRUE(popup.Dispatch(id));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(popup.ItemCount(), 0);
}

TEST(Menu, PopupRunsTheChosenItemAndReturnsZeroWhenDismissed) {
  TestHost host;
  host.form.Show();
  Menu popup(Menu::Kind::Popup);
  std::vector<std::string> ran;
  popup.AddItem("&Show", [&] { ran.push_back("show"); });
  popup.AddSeparator();
  const int exit = popup.AddItem("E&xit", [&] { ran.push_back("exit"); });

  // The menu's own loop takes the keys: its mnemonic chooses Exit.
  PostMessageW(host.form.Handle(), WM_CHAR, 'x', 0);
  EXPECT_EQ(popup.Popup(host.form.Handle(), {50, 50}), exit);
  EXPECT_EQ(ran, std::vector<std::string>{"exit"});

  PostMessageW(host.form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(popup.Popup(host.form.Handle(), {50, 50}), 0);
  EXPECT_EQ(ran.size(), 1u);
}

TEST(ShortcutText, NamesModifiersInOrderAndCommonKeys) {
  struct Case {
    Shortcut shortcut;
    const char* text;
  } cases[] = {
      {{'O', true}, "Ctrl+O"},
      {{VK_F1}, "F1"},
      {{VK_DELETE, false, true}, "Shift+Del"},
      {{'7', true, true, true}, "Shift+Ctrl+Alt+7"},
      {{VK_F12, false, false, true}, "Alt+F12"},
      {{0, true}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortcutText(c.shortcut), c.text);
}

}  // namespace
}  // namespace tq::ui
