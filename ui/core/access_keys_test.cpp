#include "ui/core/access_keys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tq::ui::core {
namespace {

TEST(AccessKeys, KeyIsTheCharacterAfterTheFirstLoneAmpersand) {
  const struct {
    const char* caption;
    std::optional<char32_t> key;
  } cases[] = {
      {"&OK", U'O'},
      {"Sho&w reply hotkey", U'w'},
      {"Cancel", std::nullopt},
      {"", std::nullopt},
      {"Trailing&", std::nullopt},
      {"R&&D", std::nullopt},     // a literal ampersand only
      {"R&&D &notes", U'n'},      // the key after a literal ampersand
      {"&&&Save", U'S'},          // "&&" then "&S"
      {"&Open && &Close", U'O'},  // the first one counts
      // UTF-8: the whole character, of two, three or four bytes.
      {"Ä&ndra alla", U'n'},
      {"&Ändra", U'Ä'},
      {"&Отмена", U'О'},
      {"Пр&имер", U'и'},
      {"&日本語", U'日'},
      {"&👍 Like", U'👍'},
      {"Ελ&ληνικά", U'λ'},
      // Bytes that are no UTF-8 stand for themselves.
      {"\xC4&ndra alla", U'n'},
      {"&\xC5ngra", U'\xC5'},
      {"&\xE4", U'\xE4'},  // a lead byte cut off at the end
  };
  for (const auto& c : cases) EXPECT_EQ(AccessKey(c.caption), c.key) << c.caption;
}

TEST(AccessKeys, KeysFoldToCapitals) {
  const struct {
    char32_t key;
    char32_t folded;
  } cases[] = {
      {U'o', U'O'}, {U'1', U'1'},   {U'å', U'Å'}, {U'÷', U'÷'}, {U'ÿ', U'Ÿ'}, {U'ß', U'ß'}, {U'ą', U'Ą'},
      {U'ł', U'Ł'}, {U'ĺ', U'Ĺ'},   {U'ž', U'Ž'}, {U'ı', U'I'}, {U'о', U'О'}, {U'я', U'Я'}, {U'ё', U'Ё'},
      {U'ї', U'Ї'}, {U'ґ', U'Ґ'},   {U'№', U'№'}, {U'α', U'Α'}, {U'ς', U'Σ'}, {U'ά', U'Ά'}, {U'ώ', U'Ώ'},
      {U'ệ', U'Ệ'}, {U'日', U'日'}, {U'👍', U'👍'}, {U'A', U'A'}, {U'Ж', U'Ж'},
  };
  for (const auto& c : cases) EXPECT_EQ(FoldAccessKey(c.key), c.folded) << static_cast<uint32_t>(c.key);

  const struct {
    const char* caption;
    char32_t typed;
    bool matches;
  } typed[] = {
      {"&Other Options", U'o', true}, {"&Other Options", U'O', true}, {"&Other Options", U'p', false},
      {"Other Options", U'o', false}, {"R&&D", U'd', false},          {"&Ändra", U'ä', true},
      {"&Отмена", U'о', true},        {"&Отмена", U'o', false},  // a Latin o is another key
      {"&Ändra", 0xC3, false},                                   // the first byte of Ä is no key
  };
  for (const auto& c : typed)
    EXPECT_EQ(MatchesAccessKey(c.caption, c.typed), c.matches) << c.caption << " " << static_cast<uint32_t>(c.typed);
}

TEST(AccessKeys, ClashesNameEveryCaptionSharingAKey) {
  const std::vector<std::string> config = {
      "&Hotkeys", "&Other Options", "&Hide main window after inserting", "&OK", "&Cancel", "&Help", "Spelling"};
  EXPECT_EQ(AccessKeyClashes(config),
            (std::vector<AccessKeyClash>{{U'H', {"&Hotkeys", "&Hide main window after inserting", "&Help"}},
                                         {U'O', {"&Other Options", "&OK"}}}));

  const struct {
    std::vector<std::string> captions;
    std::vector<AccessKeyClash> clashes;
  } cases[] = {
      {{"&save", "&Save"}, {{U'S', {"&save", "&Save"}}}},  // letter case does not tell keys apart
      {{"&Ändra", "&ändra"}, {{U'Ä', {"&Ändra", "&ändra"}}}},
      {{"&Отмена", "&открыть", "&Да"}, {{U'О', {"&Отмена", "&открыть"}}}},
      {{"&Ёлка", "&ёж"}, {{U'Ё', {"&Ёлка", "&ёж"}}}},
      {{"&Ψ", "&ψ", "&ω"}, {{U'Ψ', {"&Ψ", "&ψ"}}}},
      // Characters that share their first UTF-8 byte are different keys.
      {{"&Ändra", "&Åtgärd", "&Öppna"}, {}},
      {{"&Отмена", "&Пример"}, {}},
      {{"&日本", "&本日", "&👍", "&👎"}, {}},
      {{"&Отмена", "&Open"}, {}},                                    // Cyrillic О and Latin O
      {{"&Add", "&Delete", "R&&D", "A&&B", "Cancel", "Close"}, {}},  // literal ampersands, no keys
      {{}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AccessKeyClashes(c.captions), c.clashes) << testing::PrintToString(c.captions);
    EXPECT_EQ(AccessKeyClashes(c.captions, 1251), c.clashes) << "the code page changes nothing";
  }
}

TEST(AccessKeys, CaptionsWithoutAKeyAreListedInOrder) {
  EXPECT_EQ(CaptionsWithoutAccessKey({"&OK", "Cancel", "R&&D", "Trailing&", "&Help", "Спра&вка", "日本語"}),
            (std::vector<std::string>{"Cancel", "R&&D", "Trailing&", "日本語"}));
}

}  // namespace
}  // namespace tq::ui::core
