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
    std::optional<char> key;
  } cases[] = {
      {"&OK", 'O'},
      {"Sho&w reply hotkey", 'w'},
      {"Cancel", std::nullopt},
      {"", std::nullopt},
      {"Trailing&", std::nullopt},
      {"R&&D", std::nullopt},    // a literal ampersand only
      {"R&&D &notes", 'n'},      // the key after a literal ampersand
      {"&&&Save", 'S'},          // "&&" then "&S"
      {"&Open && &Close", 'O'},  // the first one counts
      {"\xC4&ndra alla", 'n'},   // after a non-ASCII letter
      {"&\xC5ngra", '\xC5'},     // a non-ASCII key
  };
  for (const auto& c : cases) EXPECT_EQ(AccessKey(c.caption), c.key) << c.caption;
}

TEST(AccessKeys, KeysFoldToCapitalsInTheirCodePage) {
  EXPECT_EQ(FoldAccessKey('o'), 'O');
  EXPECT_EQ(FoldAccessKey('1'), '1');
  EXPECT_EQ(FoldAccessKey('\xE5', 1252), '\xC5');  // å Å
  EXPECT_EQ(FoldAccessKey('\xF7', 1252), '\xF7');  // the division sign has no capital
  EXPECT_EQ(FoldAccessKey('\xFF', 1252), '\x9F');  // ÿ Ÿ
  EXPECT_EQ(FoldAccessKey('\xB9', 1250), '\xA5');  // ą Ą
  EXPECT_EQ(FoldAccessKey('\xB3', 1250), '\xA3');  // ł Ł
  EXPECT_EQ(FoldAccessKey('\xFF', 1250), '\xFF');  // the dot above is no letter
  EXPECT_EQ(FoldAccessKey('\xEE', 1251), '\xCE');  // о О
  EXPECT_EQ(FoldAccessKey('\xFF', 1251), '\xDF');  // я Я
  EXPECT_EQ(FoldAccessKey('\xB8', 1251), '\xA8');  // ё Ё
  EXPECT_EQ(FoldAccessKey('\xB9', 1251), '\xB9');  // the numero sign
  EXPECT_EQ(FoldAccessKey('\xE5', 932), '\xE5') << "other code pages fold ASCII only";

  EXPECT_TRUE(MatchesAccessKey("&Other Options", 'o'));
  EXPECT_TRUE(MatchesAccessKey("&Other Options", 'O'));
  EXPECT_FALSE(MatchesAccessKey("&Other Options", 'p'));
  EXPECT_FALSE(MatchesAccessKey("Other Options", 'o'));
  EXPECT_FALSE(MatchesAccessKey("R&&D", 'd'));
  EXPECT_TRUE(MatchesAccessKey("&\xC5ngra", '\xE5', 1252));
}

TEST(AccessKeys, ClashesNameEveryCaptionSharingAKey) {
  const std::vector<std::string> config = {
      "&Hotkeys", "&Other Options", "&Hide main window after inserting", "&OK", "&Cancel", "&Help", "Spelling"};
  EXPECT_EQ(AccessKeyClashes(config),
            (std::vector<AccessKeyClash>{{'H', {"&Hotkeys", "&Hide main window after inserting", "&Help"}},
                                         {'O', {"&Other Options", "&OK"}}}));

  EXPECT_EQ(AccessKeyClashes({"&save", "&Save"}), (std::vector<AccessKeyClash>{{'S', {"&save", "&Save"}}}))
      << "letter case does not tell keys apart";
  EXPECT_EQ(AccessKeyClashes({"&\xC4ndra", "&\xE4ndra"}, 1252),
            (std::vector<AccessKeyClash>{{'\xC4', {"&\xC4ndra", "&\xE4ndra"}}}));
  EXPECT_EQ(AccessKeyClashes({"&\xC4ndra", "&\xE4ndra"}, 932).size(), 0u);
  EXPECT_TRUE(AccessKeyClashes({"&Add", "&Delete", "R&&D", "A&&B", "Cancel", "Close"}).empty())
      << "literal ampersands and captions without a key never clash";
  EXPECT_TRUE(AccessKeyClashes({}).empty());
}

TEST(AccessKeys, CaptionsWithoutAKeyAreListedInOrder) {
  EXPECT_EQ(CaptionsWithoutAccessKey({"&OK", "Cancel", "R&&D", "Trailing&", "&Help"}),
            (std::vector<std::string>{"Cancel", "R&&D", "Trailing&"}));
}

}  // namespace
}  // namespace tq::ui::core
