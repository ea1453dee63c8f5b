#include "ui/control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/utf16.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/dpi.h"
#include "ui/edit.h"
#include "ui/hints.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/row_list_view.h"
#include "ui/tab_control.h"
#include "ui/test_hints.h"
#include "ui/test_host.h"
#include "ui/tree_view.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(Control, IsPlacedAtLayoutPixelsScaledForTheScreen) {
  TestHost host;
  Label label;
  const Rect layout{10, 20, 150, 30};
  label.Create(host.form, layout, "STEP &1:");
  EXPECT_EQ(label.Bounds(), ScaleForDpi(layout, ScreenDpi()));
  EXPECT_EQ(label.Text(), "STEP &1:");
}

TEST(Control, DockedPanelsFollowTheirParentAndGiveRoomBackWhenHidden) {
  TestHost host;
  Panel firstUse, main, top, buttons;
  firstUse.Create(host.form, {0, 0, 10, 10});
  main.Create(host.form, {0, 0, 10, 10});
  top.Create(main, {0, 0, 10, 152});
  buttons.Create(top, {0, 0, 30, 10});
  firstUse.SetAlign(Align::Client);
  main.SetAlign(Align::Client);
  top.SetAlign(Align::Top);
  buttons.SetAlign(Align::Right);

  host.form.SetBounds({0, 0, 500, 400});
  const Rect client = host.form.ClientRect();
  EXPECT_EQ(main.Bounds(), (Rect{0, 0, client.width, client.height}));
  EXPECT_EQ(firstUse.Bounds(), main.Bounds());
  EXPECT_EQ(top.Bounds(), (Rect{0, 0, client.width, 152}));
  EXPECT_EQ(buttons.Bounds(), (Rect{client.width - 30, 0, 30, 152}));

  host.form.SetBounds({0, 0, 600, 400});
  EXPECT_EQ(buttons.Bounds().x, host.form.ClientRect().width - 30) << "the right edge follows a resize";

  Panel bottom;
  bottom.Create(main, {0, 0, 10, 40});
  bottom.SetAlign(Align::Bottom);
  bottom.SetVisible(false);
  main.Relayout();
  Panel rest;
  rest.Create(main, {0, 0, 10, 10});
  rest.SetAlign(Align::Client);
  const int fullHeight = main.ClientRect().height - 152;
  EXPECT_EQ(rest.Bounds().height, fullHeight);
  bottom.SetVisible(true);
  EXPECT_EQ(rest.Bounds().height, fullHeight - 40);
}

TEST(ComboBox, ChoosesAmongItsTexts) {
  TestHost host;
  ComboBox combo;
  combo.Create(host.form, {8, 8, 150, 120});
  EXPECT_EQ(combo.SelectedIndex(), -1);
  combo.AddItem("American");
  combo.AddItem("Britännic");
  EXPECT_EQ(combo.Count(), 2);
  combo.SetSelectedIndex(1);
  EXPECT_EQ(combo.SelectedIndex(), 1);
  EXPECT_EQ(combo.ItemText(1), "Britännic");
  EXPECT_EQ(combo.ItemText(5), "");
  combo.Clear();
  EXPECT_EQ(combo.Count(), 0);
}

// Every kind of text the toolkit hands to Windows arrives there as the exact
// UTF-16 (read back with the wide messages) and comes back as the same UTF-8.
TEST(ControlText, UnicodeReachesWindowsAndComesBackExactly) {
  const std::string texts[] = {
      "Привет, мир",                 // Cyrillic
      "日本語のテキスト",            // CJK
      "Like 👍 and 𝄞",                // outside the BMP: surrogate pairs
      "Grüße — Ελληνικά — “Zitat”",  // Latin-1, Greek, punctuation beyond Latin-1
  };
  TestHost host;
  Button button;
  button.Create(host.form, {8, 8, 150, 25}, "x");
  Edit edit;
  edit.Create(host.form, {8, 40, 150, 21});
  ComboBox combo;
  combo.Create(host.form, {8, 70, 150, 120});
  ListBox list;
  list.Create(host.form, {170, 8, 150, 80});
  TreeView tree;
  tree.Create(host.form, {170, 100, 150, 80});
  RowListView rows;
  rows.Create(host.form, {8, 200, 150, 80});
  rows.AddColumn("c", 100);
  TabControl tabs;
  tabs.Create(host.form, {170, 200, 150, 60});
  ListView cells;
  cells.Create(host.form, {330, 8, 150, 80});
  cells.AddColumn("c", 100);
  std::string cellText;
  cells.cellText = [&](int, int) { return cellText; };
  Menu menu(Menu::Kind::Popup);
  Hints hints;

  // Each carrier sets the text and answers what Windows holds (UTF-16) and
  // what the toolkit reads back (UTF-8).
  struct Carrier {
    const char* name;
    std::function<std::pair<std::wstring, std::string>(const std::string&)> put;
  };
  auto windowText = [](HWND hwnd) {
    std::wstring w(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    w.resize(static_cast<size_t>(GetWindowTextW(hwnd, w.data(), static_cast<int>(w.size()))));
    return w;
  };
  const Carrier carriers[] = {
      {"form caption",
       [&](const std::string& t) {
         host.form.SetText(t);
         return std::pair{windowText(host.form.Handle()), host.form.Text()};
       }},
      {"button",
       [&](const std::string& t) {
         button.SetText(t);
         return std::pair{windowText(button.Handle()), button.Text()};
       }},
      {"edit",
       [&](const std::string& t) {
         edit.SetText(t);
         return std::pair{windowText(edit.Handle()), edit.Text()};
       }},
      {"combo item",
       [&](const std::string& t) {
         combo.Clear();
         combo.AddItem(t);
         std::wstring w(64, L'\0');
         w.resize(static_cast<size_t>(combo.Send(CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(w.data()))));
         return std::pair{w, combo.ItemText(0)};
       }},
      {"list box line",
       [&](const std::string& t) {
         list.Clear();
         list.Add(t);
         std::wstring w(64, L'\0');
         w.resize(static_cast<size_t>(list.Send(LB_GETTEXT, 0, reinterpret_cast<LPARAM>(w.data()))));
         return std::pair{w, list.Item(0)};
       }},
      {"tree item",
       [&](const std::string& t) {
         tree.Clear();
         HTREEITEM item = tree.AddItem(nullptr, t);
         wchar_t w[64] = {};
         TVITEMW tv{};
         tv.mask = TVIF_TEXT | TVIF_HANDLE;
         tv.hItem = item;
         tv.pszText = w;
         tv.cchTextMax = 64;
         tree.Send(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
         return std::pair{std::wstring(w), tree.ItemText(item)};
       }},
      {"list row",
       [&](const std::string& t) {
         rows.Clear();
         rows.AddRow(t);
         wchar_t w[64] = {};
         LVITEMW lv{};
         lv.pszText = w;
         lv.cchTextMax = 64;
         rows.Send(LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&lv));
         return std::pair{std::wstring(w), rows.Text(0)};
       }},
      {"list cell on demand",
       [&](const std::string& t) {
         cellText = t;
         cells.SetRowCount(1);
         wchar_t w[64] = {};
         LVITEMW lv{};
         lv.pszText = w;
         lv.cchTextMax = 64;
         cells.Send(LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&lv));
         return std::pair{std::wstring(w), t};
       }},
      {"page tab",
       [&](const std::string& t) {
         while (tabs.PageCount() > 0) tabs.RemovePage(0);
         tabs.AddPage(t);
         wchar_t w[64] = {};
         TCITEMW tc{};
         tc.mask = TCIF_TEXT;
         tc.pszText = w;
         tc.cchTextMax = 64;
         tabs.Send(TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tc));
         return std::pair{std::wstring(w), tabs.PageCaption(0)};
       }},
      {"menu item",
       [&](const std::string& t) {
         menu.Clear();
         const int id = menu.AddItem(t, [] {}, {.key = 'K', .ctrl = true});
         wchar_t w[64] = {};
         GetMenuStringW(menu.Handle(), static_cast<UINT>(id), w, 64, MF_BYCOMMAND);
         std::wstring shown(w);
         EXPECT_EQ(shown.substr(shown.find(L'\t')), L"\tCtrl+K");
         return std::pair{shown.substr(0, shown.find(L'\t')), menu.ItemText(id)};
       }},
      {"hint",
       [&](const std::string& t) {
         hints.Add(host.form, button, t);
         const auto all = testing::ThreadHints(host.form.Handle());
         const std::string last = all.empty() ? std::string() : all.back().second;
         return std::pair{platform::Wide(last), last};
       }},
  };
  for (const std::string& text : texts) {
    const std::wstring wide = platform::Wide(text);
    for (const Carrier& c : carriers) {
      const auto [held, back] = c.put(text);
      EXPECT_EQ(held, wide) << c.name << ": " << text;
      EXPECT_EQ(back, text) << c.name;
    }
  }
}

}  // namespace
}  // namespace tq::ui
