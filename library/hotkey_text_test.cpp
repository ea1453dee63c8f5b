#include "library/hotkey_text.h"

#include <gtest/gtest.h>

#include "library/hotkey_value.h"

namespace tq::library {
namespace {

std::string NoName(uint8_t) { return ""; }
std::string LayoutName(uint8_t vk) { return vk == 0xBA ? ";" : vk == 0x90 ? "Num Lock" : ""; }

TEST(HotKeyTextTest, NamesEveryRowOfTheKeyTable) {
  const std::pair<uint32_t, const char*> cases[] = {
      {8, "BkSp"}, {9, "Tab"},   {13, "Enter"}, {27, "Esc"},  {32, "Space"}, {33, "PgUp"}, {34, "PgDn"},
      {35, "End"}, {36, "Home"}, {37, "Left"},  {38, "Up"},   {39, "Right"}, {40, "Down"}, {45, "Ins"},
      {46, "Del"}, {48, "0"},    {57, "9"},     {65, "A"},    {90, "Z"},     {96, "0"},    {101, "5"},
      {105, "9"},  {112, "F1"},  {123, "F12"},  {124, "F13"}, {135, "F24"},
  };
  for (auto [vk, name] : cases) {
    EXPECT_EQ(HotKeyText(vk, NoName), name) << vk;
    EXPECT_EQ(HotKeyText(vk | kHotKeyCtrl, NoName), std::string("Ctrl+") + name) << vk;
  }
  // Neighbours of the table's ranges go to the keyboard layout, which names none here.
  for (uint32_t vk : {1u, 10u, 12u, 16u, 41u, 44u, 47u, 58u, 64u, 91u, 95u, 106u, 111u, 136u, 0xBAu, 0xFFu})
    EXPECT_EQ(HotKeyText(vk | kHotKeyCtrl, NoName), "") << vk;
}

TEST(HotKeyTextTest, ModifiersComeInTheOrderShiftCtrlAlt) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0x6052, "Shift+Ctrl+R"},
      {0x8041, "Alt+A"},
      {0x0074, "F5"},
      {0x4054, "Ctrl+T"},
      {0x6054, "Shift+Ctrl+T"},
      {0xC051, "Ctrl+Alt+Q"},
      {0xA020, "Shift+Alt+Space"},
      {0xE087, "Shift+Ctrl+Alt+F24"},
      {0, ""},
      {0x6000, ""},                  // modifiers without a key
      {0x10000 | 0x4052, "Ctrl+R"},  // only the low 16 bits count
  };
  for (auto [value, text] : cases) EXPECT_EQ(HotKeyText(value, NoName), text) << std::hex << value;
}

TEST(HotKeyTextTest, KeysOutsideTheTableTakeTheLayoutsName) {
  EXPECT_EQ(HotKeyText(0x40BA, LayoutName), "Ctrl+;");
  EXPECT_EQ(HotKeyText(0x8090, LayoutName), "Alt+Num Lock");
  EXPECT_EQ(HotKeyText(0x40BB, LayoutName), "") << "a key without a name gives no text at all";
}

TEST(HotKeyTextTest, ReadsBackEverythingItWrites) {
  for (uint32_t vk = 1; vk < 256; ++vk)
    for (uint32_t modifiers : {0u, 0x2000u, 0x4000u, 0x6000u, 0x8000u, 0xA000u, 0xC000u, 0xE000u}) {
      std::string text = HotKeyText(modifiers | vk, NoName);
      if (text.empty()) continue;
      uint16_t value = 0;
      ASSERT_TRUE(ParseHotKeyText(text, &value).ok()) << text;
      // Keypad digits read back as the main-row digits of the same text.
      uint32_t expected_vk = vk >= 96 && vk <= 105 ? vk - 96 + '0' : vk;
      EXPECT_EQ(value, modifiers | expected_vk) << text;
    }
}

TEST(HotKeyTextTest, ReadsOtherSpellingsOfTheSameKeys) {
  const std::pair<const char*, uint16_t> cases[] = {
      {"ctrl+alt+r", 0xC052},    {"CTRL+ALT+R", 0xC052},    {"Alt+Ctrl+R", 0xC052},    {"Control+F5", 0x4074},
      {"ctl+shift+del", 0x602E}, {"Shift+Ctrl+F5", 0x6074}, {"shift+ctrl+f5", 0x6074}, {"F5", 0x0074},
      {"pgdn", 0x0022},          {"Alt+a", 0x8041},         {"Ctrl+0", 0x4030},        {"ctrl+bksp", 0x4008},
  };
  for (auto [text, expected] : cases) {
    uint16_t value = 0;
    platform::Status s = ParseHotKeyText(text, &value);
    EXPECT_TRUE(s.ok()) << text << ": " << s.message();
    EXPECT_EQ(value, expected) << text;
  }
}

TEST(HotKeyTextTest, RejectsAnythingElseSayingWhy) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "empty"},
      {"Ctrl+", "ends without a key"},
      {"+A", "empty part"},
      {"Ctrl++A", "empty part"},
      {"Ctrl+Alt", "no key after its modifiers"},
      {"Ctrl+Ctrl+A", "\"Ctrl\" twice"},
      {"Ctrl+Control+A", "\"Control\" twice"},
      {"Win+R", "Unknown modifier \"Win\""},
      {"Ctrl + A", "Unknown modifier \"Ctrl \""},
      {"R+Ctrl", "Unknown modifier \"R\""},
      {"Ctrl+F25", "Unknown key \"F25\""},
      {"Ctrl+F05", "Unknown key \"F05\""},
      {"Ctrl+Escape", "Unknown key \"Escape\""},
      {"Ctrl+AB", "Unknown key \"AB\""},
      {"Ctrl+;", "Unknown key \";\""},
      {" Ctrl+A", "Unknown modifier \" Ctrl\""},
  };
  for (auto [text, why] : cases) {
    uint16_t value = 0x1234;
    platform::Status s = ParseHotKeyText(text, &value);
    EXPECT_FALSE(s.ok()) << text;
    EXPECT_NE(s.message().find(why), std::string::npos) << text << ": " << s.message();
    EXPECT_EQ(value, 0x1234) << "left alone on failure: " << text;
  }
}

}  // namespace
}  // namespace tq::library
