#include "ui/hotkey_box.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "ui/button.h"
#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(HotKeyBoxValues, ConvertBetweenPackedAndTheBoxesForm) {
  struct Case {
    uint16_t packed;
    WORD box;
  } cases[] = {
      {0, 0},
      {'A', MAKEWORD('A', 0)},
      {0x8041, MAKEWORD('A', HOTKEYF_ALT)},
      {0x6052, MAKEWORD('R', HOTKEYF_SHIFT | HOTKEYF_CONTROL)},
      {0xE000 | VK_F12, MAKEWORD(VK_F12, HOTKEYF_SHIFT | HOTKEYF_CONTROL | HOTKEYF_ALT)},
      // Keys of the extended block carry the box's extended flag.
      {0x4000 | VK_HOME, MAKEWORD(VK_HOME, HOTKEYF_CONTROL | HOTKEYF_EXT)},
      {VK_DELETE, MAKEWORD(VK_DELETE, HOTKEYF_EXT)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HotKeyBoxFromPacked(c.packed), c.box) << std::hex << c.packed;
    EXPECT_EQ(PackedFromHotKeyBox(c.box), c.packed) << std::hex << c.box;
  }
  EXPECT_EQ(HotKeyBoxFromPacked(0x10000 | 0x8041), MAKEWORD('A', HOTKEYF_ALT)) << "bits above 16 do not count";
  EXPECT_EQ(PackedFromHotKeyBox(MAKEWORD(0, HOTKEYF_CONTROL)), 0) << "a modifier alone is no hotkey";
}

// Presses the modifiers, the key, and lets them go, as the box sees it.
void Press(HotKeyBox& box, std::initializer_list<BYTE> modifiers, BYTE key) {
  const bool alt = std::find(modifiers.begin(), modifiers.end(), VK_MENU) != modifiers.end();
  const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
  const LPARAM altFlag = alt ? 0x20000000 : 0;
  for (BYTE m : modifiers) box.Send(down, m, altFlag);
  box.Send(down, key, altFlag);
  box.Send(up, key, altFlag | 0xC0000000);
  for (BYTE m : modifiers) box.Send(up, m, altFlag | 0xC0000000);
}

TEST(HotKeyBox, TakesAnyKeyOrOnlyCtrlCombinationsByItsRules) {
  TestHost host;
  HotKeyBox any, strict;
  any.Create(host.form, {8, 8, 150, 21}, HotKeyRules::AnyKey);
  strict.Create(host.form, {8, 40, 150, 21}, HotKeyRules::NeedsCtrlOrMore);
  struct Case {
    std::initializer_list<BYTE> modifiers;
    BYTE key;
    uint16_t any, strict;
  } cases[] = {
      {{}, VK_F5, VK_F5, VK_F5},  // the strict box puts no modifier in place of none
      {{VK_SHIFT}, 'A', 0x2041, 'A'},
      {{VK_MENU}, 'A', 0x8041, 'A'},
      {{VK_CONTROL}, 'A', 0x4041, 0x4041},
      {{VK_SHIFT, VK_CONTROL}, 'R', 0x6052, 0x6052},
      {{VK_SHIFT, VK_MENU}, 'Q', 0xA051, 0xA051},
  };
  for (const Case& c : cases) {
    Press(any, c.modifiers, c.key);
    Press(strict, c.modifiers, c.key);
    EXPECT_EQ(any.Value(), c.any) << "key " << int(c.key);
    EXPECT_EQ(strict.Value(), c.strict) << "key " << int(c.key);
  }
}

TEST(HotKeyBox, ShowsAndClearsPackedValues) {
  TestHost host;
  HotKeyBox box;
  box.Create(host.form, {8, 8, 150, 21});
  EXPECT_EQ(box.Value(), 0) << "a new box shows no key";
  box.SetValue(0x6052);
  EXPECT_EQ(box.Send(HKM_GETHOTKEY), MAKEWORD('R', HOTKEYF_SHIFT | HOTKEYF_CONTROL));
  EXPECT_EQ(box.Value(), 0x6052);
  box.SetValue(0);
  EXPECT_EQ(box.Send(HKM_GETHOTKEY), 0);
  EXPECT_EQ(box.Value(), 0);
}

// Shift+Tab or Ctrl+Tab out of the box: the modifier went down in the box,
// and Tab took the focus away before any key followed. The box keeps the
// hotkey it had; a combination typed in full still replaces it.
TEST(HotKeyBox, AModifierThatOnlyLeavesTheBoxKeepsItsHotkey) {
  for (const BYTE modifier : {BYTE{VK_SHIFT}, BYTE{VK_CONTROL}}) {
    TestHost host;
    HotKeyBox box;
    Button after;
    box.Create(host.form, {8, 8, 150, 21}, HotKeyRules::NeedsCtrlOrMore);
    after.Create(host.form, {8, 40, 75, 25}, "&Next");
    host.form.Show();
    box.SetValue(0xC051);
    box.SetFocus();
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[modifier] = 0x80;
    SetKeyboardState(state);
    PostMessageW(box.Handle(), WM_KEYDOWN, modifier, 1);
    ProcessPendingMessages();
    testing::PressKey(VK_TAB, modifier == VK_SHIFT, modifier == VK_CONTROL);
    ASSERT_TRUE(after.Focused()) << int(modifier);
    PostMessageW(GetFocus(), WM_KEYUP, modifier, 0xC0000001);
    ProcessPendingMessages();
    EXPECT_EQ(box.Value(), 0xC051) << int(modifier);

    box.SetFocus();
    Press(box, {VK_CONTROL}, 'R');
    after.SetFocus();
    EXPECT_EQ(box.Value(), 0x4052) << "a whole combination replaces the hotkey";
  }
}

}  // namespace
}  // namespace tq::ui
