#include "spell/live/core/line_scan.h"

#include <gtest/gtest.h>

#include <set>

namespace tq::spell {
namespace {

// Rejects the words of a set; records the previous word each test saw.
struct Judge {
  std::set<std::string> rejected;
  std::vector<std::pair<std::string, std::string>> asked;
  TLiveWordTest test() {
    return [this](const std::string& word, const std::string& previous) {
      asked.emplace_back(word, previous);
      return rejected.count(word) == 0;
    };
  }
};

const std::string kLine = "This is teh sample with a mispeled word.\r";

TEST(LiveLineScan, MisspeltWordsAsColumnsExceptTheOneAtTheCaret) {
  TMainParsingEngine cutter;
  Judge judge{{"teh", "mispeled"}, {}};
  TLineScan scan = ScanLine(kLine, cutter, judge.test(), true, -1);
  EXPECT_EQ(scan.errors, (std::vector<TSpellingError>{{8, 11}, {26, 34}}));
  EXPECT_FALSE(scan.keep);
  // The caret just after "teh": the user may still be typing it.
  scan = ScanLine(kLine, cutter, judge.test(), true, 11);
  EXPECT_EQ(scan.errors, (std::vector<TSpellingError>{{26, 34}}));
  EXPECT_TRUE(scan.keep);
  // Inside the word, the word is marked.
  scan = ScanLine(kLine, cutter, judge.test(), true, 10);
  EXPECT_EQ(scan.errors.size(), 2u);
  EXPECT_FALSE(scan.keep);
  // The last word of a line without a break is checked too.
  scan = ScanLine("a mispeled", cutter, judge.test(), true, -1);
  EXPECT_EQ(scan.errors, (std::vector<TSpellingError>{{2, 10}}));
}

TEST(LiveLineScan, PreviousWordsOnlyWhenTracked) {
  TMainParsingEngine cutter;
  Judge judge{{"teh"}, {}};
  ScanLine("This is teh sample", cutter, judge.test(), true, -1);
  EXPECT_EQ(judge.asked, (std::vector<std::pair<std::string, std::string>>{
                             {"This", ""}, {"is", "This"}, {"teh", "is"}, {"sample", "teh"}}));
  judge.asked.clear();
  ScanLine("This is teh", cutter, judge.test(), false, -1);
  EXPECT_EQ(judge.asked, (std::vector<std::pair<std::string, std::string>>{{"This", ""}, {"is", ""}, {"teh", ""}}));
}

TEST(LiveLineScan, WordUnderAColumn) {
  TMainParsingEngine cutter;
  Judge judge{{"teh", "mispeled"}, {}};
  struct Case {
    int32_t column;
    bool found;
    std::string word;
    int32_t startX;
  };
  for (const Case& c : std::vector<Case>{{8, true, "teh", 8},
                                         {10, true, "teh", 8},
                                         {11, true, "teh", 8},  // just after its last character
                                         {12, false, "", 0},    // on "sample", which is right
                                         {5, false, "", 0},
                                         {30, true, "mispeled", 26},
                                         {39, false, "", 0}}) {
    SCOPED_TRACE(c.column);
    const TWordAtColumn at = FindMisspeltWordAt(kLine, c.column, cutter, judge.test(), true);
    EXPECT_EQ(at.found, c.found);
    EXPECT_EQ(at.word, c.word);
    if (c.found) {
      EXPECT_EQ(at.startX, c.startX);
    }
  }
}

TEST(LiveLineScan, WordAtOrAfterAColumnWithTheOneBefore) {
  TMainParsingEngine cutter;
  TWordAndPrevious at = WordAtOrAfter(kLine, 8, cutter);
  EXPECT_TRUE(at.found);
  EXPECT_EQ(at.word, "teh");
  EXPECT_EQ(at.previous, "is");
  at = WordAtOrAfter(kLine, 0, cutter);
  EXPECT_EQ(at.word, "This");
  EXPECT_EQ(at.previous, "");
  at = WordAtOrAfter(kLine, 9, cutter);  // inside "teh": the next word
  EXPECT_EQ(at.word, "sample");
  EXPECT_EQ(at.previous, "teh");
  EXPECT_FALSE(WordAtOrAfter(kLine, 40, cutter).found);
}

TEST(LiveIgnoreOnce, OnlyAfterTheSamePrecedingWord) {
  TIgnoreOnceList list;
  EXPECT_FALSE(list.Accepts("teh", "is"));
  list.Add("teh", "is");
  list.Add("teh", "");
  list.Add("teh", "is");  // duplicates are ignored
  EXPECT_TRUE(list.Accepts("teh", "is"));
  EXPECT_TRUE(list.Accepts("teh", ""));
  EXPECT_FALSE(list.Accepts("teh", "Is"));
  EXPECT_FALSE(list.Accepts("teh", "was"));
  EXPECT_FALSE(list.Accepts("tehs", "is"));
  EXPECT_EQ(list.Words().ReadIgnoreCount(), 1);
}

TEST(LiveLineCaches, GrowByLinesAndMarkEveryEntry) {
  TLineCaches caches;
  EXPECT_EQ(caches.Find(3), nullptr);
  TLineCache& entry = caches.Entry(3);
  EXPECT_TRUE(entry.Dirty);
  EXPECT_EQ(caches.SlotCount(), 67);
  EXPECT_EQ(caches.Find(3), &entry);
  EXPECT_EQ(caches.Find(2), nullptr);
  caches.Entry(100).CachedBottom = 9;
  entry.Dirty = false;
  caches.MarkAllDirty();
  caches.MarkHeightsDirty();
  EXPECT_TRUE(entry.Dirty);
  EXPECT_EQ(caches.Find(100)->CachedBottom, 0);
  caches.Clear();
  EXPECT_EQ(caches.Find(3), nullptr);
}

TEST(LiveMarker, ZigzagTwoPixelsHighWithAPeriodOfFour) {
  EXPECT_EQ(MarkerPoints(10, 17, 20), (std::vector<TMarkerPoint>{{10, 16}, {12, 18}, {14, 16}, {17, 18}}));
  EXPECT_TRUE(MarkerPoints(10, 10, 20).empty());
  const auto longest = MarkerPoints(0, 10000, 5);
  EXPECT_EQ(longest.size(), 1024u);
  EXPECT_EQ(longest.back().x, 10000);
}

}  // namespace
}  // namespace tq::spell
