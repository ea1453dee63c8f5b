#include "app/core/config_values.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

Settings Stored() {
  Settings s;
  s.MRUFileName = "C:\\Replies\\Work.qdk";
  s.MainHotKey = 0x7FFFC051;  // only the low 16 bits count: Ctrl+Alt+Q
  s.MenuHotKey = 0x2071;      // Shift+F2
  s.SearchHotKey = 0x10000 | kDefaultSearchHotKey;
  s.Split = 99;
  s.ShowTrayReminder = false;
  return s;
}

TEST(ConfigValues, TheDialogOpensWithTheSettings) {
  const ConfigValues shown = ConfigValuesOf(Stored());
  EXPECT_EQ(shown, (ConfigValues{.MainHotKey = 0xC051,
                                 .MenuHotKey = 0x2071,
                                 .SaveFormat = true,
                                 .DefaultWithFormat = true,
                                 .HideAfterInsert = true,
                                 .ShowHotkeyInTree = false,
                                 .AutoExpandTree = false,
                                 .LiveSpelling = true,
                                 .SearchHotKey = kDefaultSearchHotKey,
                                 .RestoreClipboard = false,
                                 .PasteMethods = {}}));
}

TEST(ConfigValues, OkCopiesEveryValueAndAsksForARebuildOnlyForTheTreeTexts) {
  struct Case {
    const char* what;
    void (*change)(ConfigValues&);
    bool rebuild;
  };
  const Case cases[] = {
      {"nothing", [](ConfigValues&) {}, false},
      {"main hotkey", [](ConfigValues& v) { v.MainHotKey = 0xC057; }, false},
      {"menu hotkey cleared", [](ConfigValues& v) { v.MenuHotKey = 0; }, false},
      {"search hotkey", [](ConfigValues& v) { v.SearchHotKey = 0x4046; }, false},
      {"SaveFormat", [](ConfigValues& v) { v.SaveFormat = false; }, false},
      {"DefaultWithFormat", [](ConfigValues& v) { v.DefaultWithFormat = false; }, false},
      {"HideAfterInsert", [](ConfigValues& v) { v.HideAfterInsert = false; }, false},
      {"AutoExpandTree", [](ConfigValues& v) { v.AutoExpandTree = true; }, false},
      {"LiveSpelling", [](ConfigValues& v) { v.LiveSpelling = false; }, false},
      {"search hotkey cleared", [](ConfigValues& v) { v.SearchHotKey = 0; }, false},
      {"RestoreClipboard", [](ConfigValues& v) { v.RestoreClipboard = true; }, false},
      {"paste methods",
       [](ConfigValues& v) {
         v.PasteMethods = {{PasteMethodRule::Match::Program, "a.exe", PasteMethod::TypeText}};
       },
       false},
      {"ShowHotkeyInTree", [](ConfigValues& v) { v.ShowHotkeyInTree = true; }, true},
  };
  for (const Case& c : cases) {
    Settings settings = Stored();
    ConfigValues closed = ConfigValuesOf(settings);
    c.change(closed);
    EXPECT_EQ(ApplyConfigValues(closed, settings), c.rebuild) << c.what;
    EXPECT_EQ(ConfigValuesOf(settings), closed) << c.what;
    // What the dialog does not show is left alone.
    EXPECT_EQ(settings.MRUFileName, "C:\\Replies\\Work.qdk") << c.what;
    EXPECT_EQ(settings.Split, 99) << c.what;
    EXPECT_TRUE(settings.SearchHotKeyChosen) << c.what << ": the search hotkey was shown and confirmed";
    EXPECT_FALSE(settings.ShowTrayReminder) << c.what;
    // OK makes the search hotkey the user's own, so it is stored from now on.
    EXPECT_TRUE(settings.SearchHotKeyChosen) << c.what;
  }
  // Turned off again, the texts change back: another rebuild.
  Settings settings = Stored();
  settings.ShowHotkeyInTree = true;
  ConfigValues closed = ConfigValuesOf(settings);
  closed.ShowHotkeyInTree = false;
  EXPECT_TRUE(ApplyConfigValues(closed, settings));
  EXPECT_FALSE(settings.ShowHotkeyInTree);
}

}  // namespace
}  // namespace tq::app
