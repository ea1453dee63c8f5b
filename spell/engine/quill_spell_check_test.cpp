#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <random>

#include "spell/engine/quill_spell_base.h"
#include "spell/engine/dictionary_test_support.h"
#include "spell/engine/string_parser.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using testsupport::DictionaryEngine;
using testsupport::WriteMainDictionary;

const std::vector<std::string> kWords = {"the", "cat",    "sat",   "on",    "mat", "a",    "dog",
                                         "ran", "colour", "color", "house", "and", "then", "The"};

// A component over a small English dictionary whose runs are driven by a
// script of commands: each stop is recorded, and the message pump issues
// the next command (a cancel when the script has run out).
struct Driven {
  testing::TempDir dir;
  std::unique_ptr<DictionaryEngine> engine;
  std::deque<std::function<void(TQuillSpellBase&)>> script;
  std::vector<std::string> stops;
  int endMessages = 0;
  bool scriptRanOut = false;

  explicit Driven(TSpellOptions options = {}) {
    WriteMainDictionary(dir.File("English.adm"), kWords, 1033);
    engine = std::make_unique<DictionaryEngine>(std::vector<std::string>{dir.path()}, TStringList{"English.adm"},
                                                "mine.adu", options);
    TQuillSpellBase& s = spell();
    s.Configuration().EnsureLoaded();
    s.WriteLearnSuggestions(false);
    s.AllowedCases = cmInitialCaps;
    s.OnPromptWord = [this](TQuillSpellBase*, const std::string& word, bool repeated) {
      stops.push_back(repeated ? "[" + word + "]" : word);
    };
    s.OnShowEndMessage = [this](TQuillSpellBase*) { ++endMessages; };
    s.PumpMessage = [this] {
      if (script.empty()) {
        scriptRanOut = true;
        spell().Check_Cancel();
        return;
      }
      auto next = std::move(script.front());
      script.pop_front();
      next(spell());
    };
  }
  TQuillSpellBase& spell() { return **engine; }
  Driven& Then(std::function<void(TQuillSpellBase&)> command) {
    script.push_back(std::move(command));
    return *this;
  }
  std::string Check(std::string text) {
    TStringParser parser(text);
    spell().CheckParser(&parser, ctAll);
    return text;
  }
};

const std::vector<std::string> kPieces = {"the", "teh", "cat", "THe", "zzq", "the the", "Cat", "CAT",
                                          "a",   "on ", ",",   ".",   "\n",  "''",      "dgo", "qq'q"};

std::string RandomText(std::mt19937& rng) {
  std::string text;
  for (int i = 0, n = static_cast<int>(rng() % 12); i < n; ++i) text += kPieces[rng() % kPieces.size()] + " ";
  return text;
}

void Ignore(TQuillSpellBase& s) { s.Check_Ignore(); }
void IgnoreAll(TQuillSpellBase& s) { s.Check_IgnoreAll(); }
void Undo(TQuillSpellBase& s) { s.Check_Undo(); }
auto Change(std::string r) {
  return [r](TQuillSpellBase& s) { s.Check_Change(r); };
}

TEST(CheckRun, StopsAndCommands) {
  Driven r;
  r.Then(Change("the")).Then(Ignore).Then([](TQuillSpellBase& s) { s.Check_ChangeAll("dog"); });
  const std::string out = r.Check("teh cat zzq on the mat, a dgo and a dgo ran");
  EXPECT_EQ(out, "the cat zzq on the mat, a dog and a dog ran");
  EXPECT_EQ(r.stops, (std::vector<std::string>{"teh", "zzq", "dgo"}));  // the second dgo is changed silently
  EXPECT_FALSE(r.scriptRanOut);
  EXPECT_EQ(r.endMessages, 1);
  EXPECT_FALSE(r.spell().ReadChecking());
  EXPECT_EQ(r.spell().ReadWordCount(), 13);  // "the" was checked again after the change
}

TEST(CheckRun, ChangedWordIsCheckedAgain) {
  Driven r;
  r.Then(Change("cta")).Then(Change("cat"));
  EXPECT_EQ(r.Check("a tac sat"), "a cat sat");
  EXPECT_EQ(r.stops, (std::vector<std::string>{"tac", "cta"}));
}

TEST(CheckRun, AcceptedForms) {
  Driven r;
  // A capitalised dictionary word, one letter, numbers: no stops.
  EXPECT_EQ(r.spell().GetErrorCountString("Cat x 3.5 -2e10 42"), 0);
  EXPECT_EQ(r.spell().GetErrorCountString("CAT"), 1);
  r.spell().AllowedCases = cmInitialCapsOrUpcase;
  EXPECT_EQ(r.spell().GetErrorCountString("CAT"), 0);
  r.spell().AllowedCases = cmInitialCaps;
  r.spell().Configuration().WriteSpellOptions({soUpcase});
  EXPECT_EQ(r.spell().GetErrorCountString("CAT"), 0);
  EXPECT_EQ(r.spell().GetWordCountString("the cat, the dog."), 4);
  EXPECT_TRUE(r.spell().ErrorsPresentInString("the cta"));
  EXPECT_FALSE(r.spell().ErrorsPresentInString("the cat"));
}

TEST(CheckRun, RepeatedWords) {
  Driven r({soRepeated});
  struct Case {
    std::string text;
    int errors;
  } cases[] = {{"the the cat", 1}, {"the  the cat", 0}, {"the\nthe cat", 0}, {"a cat the cat", 0}, {"cat cat cat", 2}};
  for (const Case& c : cases) EXPECT_EQ(r.spell().GetErrorCountString(c.text), c.errors) << c.text;

  r.Then([](TQuillSpellBase& s) {
     s.Check_Change("x");  // not for repeated words: nothing
     s.Check_IgnoreAll();
     s.Check_Add();
     s.Check_RepeatDelete();
   })
      .Then(Undo)
      .Then([](TQuillSpellBase& s) { s.Check_RepeatIgnore(); })
      .Then(Ignore);
  EXPECT_EQ(r.Check("on the the mat zzq"), "on the the mat zzq");
  EXPECT_EQ(r.stops, (std::vector<std::string>{"[the the]", "zzq", "[the the]", "zzq"}));

  Driven d({soRepeated});
  d.Then([](TQuillSpellBase& s) { s.Check_RepeatDelete(); });
  EXPECT_EQ(d.Check("on the the mat"), "on the mat");
  EXPECT_FALSE(d.scriptRanOut);
}

TEST(CheckRun, DualCapitalsCorrectedSilentlyWithChainedUndo) {
  Driven r({soDUalCaps});
  // Ignore zzq, THe is corrected silently, the run stops at qqz; one Undo
  // takes back the correction and the Ignore, so zzq stops again.
  r.Then(Ignore).Then(Undo).Then(Ignore).Then(Ignore);
  EXPECT_EQ(r.Check("zzq THe qqz"), "zzq The qqz");
  EXPECT_EQ(r.stops, (std::vector<std::string>{"zzq", "qqz", "zzq", "qqz"}));
  Driven plain;
  plain.Then(Ignore).Then(Ignore).Then(Ignore);
  plain.Check("zzq THe qqz");
  EXPECT_EQ(plain.stops, (std::vector<std::string>{"zzq", "THe", "qqz"}));
}

TEST(CheckRun, UndoLimits) {
  for (int max : {-1, 0, 3}) {
    SCOPED_TRACE(max);
    Driven r;
    r.spell().MaxUndo = max;
    size_t held = 0;
    r.Then(Ignore).Then(Ignore).Then(Ignore).Then(Ignore).Then([&](TQuillSpellBase& s) {
      held = s.ReadUndoList().size();
      s.Check_Cancel();
    });
    r.Check("aaq bbq ccq ddq eeq");
    EXPECT_EQ(held, max == -1 ? 4u : static_cast<size_t>(max));
    EXPECT_FALSE(r.spell().ReadCanUndo());  // the list belongs to the run
  }
  Driven r;
  r.spell().MaxUndo = 0;
  r.Then(Change("cat")).Then(Undo).Then(Ignore);
  EXPECT_EQ(r.Check("tac zzq"), "cat zzq");  // nothing to undo: the command does nothing
  EXPECT_EQ(r.stops, (std::vector<std::string>{"tac", "zzq"}));
}

TEST(CheckRun, UndoOfEachAction) {
  Driven r;
  // Each action on zzq, then Undo at qqz brings zzq back as it was.
  for (auto action : std::vector<std::function<void(TQuillSpellBase&)>>{
           [](TQuillSpellBase& s) { s.Check_Add(); }, [](TQuillSpellBase& s) { s.Check_AutoCorrect("cat"); },
           [](TQuillSpellBase& s) { s.Check_ChangeAll("dog"); }, IgnoreAll, Change("dog")})
    r.Then(action).Then(Undo);
  r.Then(Ignore).Then(Ignore);
  EXPECT_EQ(r.Check("zzq qqz"), "zzq qqz");
  std::vector<std::string> expected;
  for (int i = 0; i < 6; ++i) expected.insert(expected.end(), {"zzq", "qqz"});
  EXPECT_EQ(r.stops, expected);
  TCustomDictionary* mine = r.spell().ReadActiveCustomDictionary();
  ASSERT_NE(mine, nullptr);
  std::string replacement;
  EXPECT_FALSE(mine->IgnoreExists("zzq"));
  EXPECT_FALSE(mine->AutoCorrectExists("zzq", replacement));
  EXPECT_FALSE(r.spell().ReadIgnoreAllDictionary().IgnoreExists("zzq"));
  EXPECT_FALSE(r.spell().ReadIgnoreAllDictionary().AutoCorrectExists("zzq", replacement));
}

TEST(CheckRun, IgnoreAllAndAddLastBeyondTheRun) {
  Driven r;
  r.Then(IgnoreAll).Then([](TQuillSpellBase& s) { s.Check_Add(); });
  r.Check("zzq qqz");
  r.stops.clear();
  r.Check("zzq qqz zzq");
  EXPECT_TRUE(r.stops.empty());
  EXPECT_TRUE(r.spell().ReadActiveCustomDictionary()->IgnoreExists("qqz"));
}

TEST(CheckRun, SmartCheckAfterTheCaretThenBefore) {
  Driven r;
  r.Then(Ignore).Then(Ignore).Then(Ignore);
  std::string text = "aaq cat bbq | ccq dog";
  TStringParser parser(text);
  parser.SetPosition(13, 0, ptCurrent);  // on the bar
  r.spell().CheckParser(&parser, ctSmart);
  EXPECT_EQ(r.stops, (std::vector<std::string>{"ccq", "aaq", "bbq"}));
  EXPECT_EQ(r.endMessages, 1);
  EXPECT_FALSE(r.spell().ReadInSequence());
}

// A string cursor with a selection, as an edit control has.
class SelectionParser : public TStringParser {
 public:
  SelectionParser(std::string& text, int32_t start, int32_t end) : TStringParser(text), start_(start), end_(end) {}
  void GetSelectionPosition(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) override {
    startX = start_;
    endX = end_;
    startY = endY = 0;
  }

 private:
  int32_t start_, end_;
};

TEST(CheckRun, SmartCheckOfASelectionAsksAboutTheRest) {
  for (bool yes : {true, false}) {
    SCOPED_TRACE(yes);
    Driven r;
    std::string asked;
    r.spell().OnQuestion = [&](const std::string& text, const std::string& caption) {
      asked = caption + ": " + text;
      return yes;
    };
    r.Then(Ignore).Then(Ignore).Then(Ignore);
    std::string text = "aaq bbq ccq";
    SelectionParser parser(text, 5, 8);  // bbq
    r.spell().CheckParser(&parser, ctSmart);
    EXPECT_EQ(asked,
              "Spelling: The selection has been checked.  Would you like to check the remainder of the document?");
    const std::vector<std::string> expected =
        yes ? std::vector<std::string>{"bbq", "ccq", "aaq"} : std::vector<std::string>{"bbq"};
    EXPECT_EQ(r.stops, expected);
    EXPECT_EQ(r.endMessages, 1);
  }
}

TEST(CheckRun, ExcludedWordsAndCorrections) {
  Driven r;
  TCustomDictionary* mine = r.spell().ReadActiveCustomDictionary();
  mine->AddExclude("colour");
  mine->AddExclude("house");
  r.spell().ReadIgnoreAllDictionary().AddAutoCorrect("colour", "color");
  // Excluded words count as errors, corrected or not.
  EXPECT_EQ(r.spell().GetErrorCountString("colour house cat"), 2);
  r.Then(Ignore);
  EXPECT_EQ(r.Check("colour house cat"), "color house cat");
  EXPECT_EQ(r.stops, (std::vector<std::string>{"house"}));
}

// The verdict every asker takes is the one the check run acts on: the run
// reports the same type to OnWordCheck, corrects with the same word, and
// the counts count the same words.
TEST(CheckRun, VerdictIsTheRunsVerdict) {
  struct Case {
    std::string word;
    bool useExcludeWords;
    TWordCheckType plain;  // Verdict(word)
    TWordCheckType run;    // Verdict(word, true) and the run's
    std::string replacement;
  };
  const std::vector<Case> cases = {
      {"cat", true, wcAccepted, wcAccepted, ""},
      {"zzq", true, wcDenied, wcDenied, ""},
      {"teh", true, wcDenied, wcCorrected, "the"},
      {"colour", true, wcExcluded, wcExcluded, ""},
      {"colour", false, wcAccepted, wcAccepted, ""},
      {"house", true, wcExcluded, wcCorrected, "home"},
      {"house", false, wcAccepted, wcAccepted, ""},
      // A character beyond Windows-1252 leaves the word alone, even excluded.
      {"c\x81t", true, wcAccepted, wcAccepted, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word + (c.useExcludeWords ? " with excluded words" : " without excluded words"));
    Driven r;
    TQuillSpellBase& s = r.spell();
    TCustomDictionary* mine = s.ReadActiveCustomDictionary();
    mine->AddExclude("colour");
    mine->AddExclude("house");
    mine->AddExclude("c\x81t");
    s.ReadIgnoreAllDictionary().AddAutoCorrect("teh", "the");
    s.ReadIgnoreAllDictionary().AddAutoCorrect("house", "home");
    s.UseExcludeWords = c.useExcludeWords;

    EXPECT_EQ(s.Verdict(c.word).Type, c.plain);
    EXPECT_EQ(s.Verdict(c.word).Replacement, "");
    const TWordVerdict seeking = s.Verdict(c.word, true);
    EXPECT_EQ(seeking.Type, c.run);
    EXPECT_EQ(seeking.Replacement, c.replacement);

    std::vector<std::pair<TWordCheckType, std::string>> told;
    s.OnWordCheck = [&](TQuillSpellBase*, const std::string&, TWordCheckType& type, std::string& replacement) {
      told.emplace_back(type, replacement);
    };
    r.Then(Ignore);
    EXPECT_EQ(r.Check(c.word), c.run == wcCorrected ? c.replacement : c.word);
    // (A replacement is checked in its turn, after the word.)
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.front(), std::make_pair(c.run, c.replacement));
    EXPECT_EQ(s.GetErrorCountString(c.word), c.plain == wcAccepted ? 0 : 1);
  }
}

TEST(CheckRun, IgnoreListenersAreToldBeforeAndAfter) {
  Driven r;
  std::vector<std::pair<int, bool>> told;
  int listener = 0;
  r.spell().IgnoreWordListeners().Add(&listener, [&](void* sender) {
    auto* s = static_cast<TQuillSpellBase*>(sender);
    told.emplace_back(s->ReadIgnoreWordState(), s->ReadIgnoreWordBefore());
  });
  r.Then(Ignore).Then(IgnoreAll).Then([](TQuillSpellBase& s) { s.Check_Add(); });
  r.Check("zzq qqz xxq");
  EXPECT_EQ(told, (std::vector<std::pair<int, bool>>{
                      {10, true}, {10, false}, {11, true}, {11, false}, {12, true}, {12, false}}));
}

TEST(CheckRun, ControlEditedResumesFromTheEarlierOfCaretAndWord) {
  Driven r;
  std::string text = "zzq cat qqz";
  TStringParser parser(text);
  r.Then([&](TQuillSpellBase& s) {
     // The user edits the text while the run waits at zzq: the caret
     // ends after the edit, the run resumes at the word.
     text = "zzk cat qqz";
     parser.SetPosition(4, 0, ptCurrent);
     s.Check_ControlEdited();
   })
      .Then(Ignore)
      .Then(Ignore);
  r.spell().CheckParser(&parser, ctAll);
  EXPECT_EQ(r.stops, (std::vector<std::string>{"zzq", "zzk", "qqz"}));
}

// Any order of commands, at any stop, over texts of words, slips, repeats,
// capitals and stray punctuation: every run ends, idle and without undo
// entries.
TEST(CheckRun, RandomCommandsLeaveTheEngineIdle) {
  std::mt19937 rng(11);
  for (int round = 0; round < 150; ++round) {
    Driven r(round % 2 ? TSpellOptions{soRepeated, soDUalCaps} : TSpellOptions{});
    std::string text = RandomText(rng);
    for (int i = 0; i < 40; ++i) {
      switch (rng() % 9) {
        case 0:
          r.Then(Ignore);
          break;
        case 1:
          r.Then(Change(kPieces[rng() % 5]));
          break;
        case 2:
          r.Then(Undo);
          break;
        case 3:
          r.Then(IgnoreAll);
          break;
        case 4:
          r.Then([](TQuillSpellBase& s) { s.Check_RepeatDelete(); });
          break;
        case 5:
          r.Then([](TQuillSpellBase& s) { s.Check_ChangeAll("cat"); });
          break;
        case 6:
          r.Then([](TQuillSpellBase& s) { s.Check_AutoCorrect("dog"); });
          break;
        case 7:
          r.Then([](TQuillSpellBase& s) { s.Check_ControlEdited(); });
          break;
        default:
          r.Then([](TQuillSpellBase& s) { s.Check_Add(); });
          break;
      }
    }
    TStringParser parser(text);
    r.spell().CheckParser(&parser, ctAll);
    EXPECT_FALSE(r.spell().ReadChecking());
    EXPECT_FALSE(r.spell().ReadCanUndo());
  }
}

// Random changes at the stops, then Undo while the user's own actions are
// left: the text is as it was. (A silent correction undone on its own is
// made again as the run passes the word, so only user actions are counted.)
TEST(CheckRun, UndoingEverythingRestoresTheText) {
  std::mt19937 rng(5);
  int restored = 0;
  for (int round = 0; round < 150; ++round) {
    Driven r(round % 2 ? TSpellOptions{soRepeated} : TSpellOptions{});
    const std::string original = RandomText(rng);
    std::string text = original;
    TStringParser parser(text);
    const int actions = 1 + static_cast<int>(rng() % 4);
    int done = 0;
    bool undoing = false;
    r.spell().PumpMessage = [&] {
      TQuillSpellBase& s = r.spell();
      if (!undoing && done < actions) {
        ++done;
        if (s.ReadRepeatedWord())
          rng() % 2 ? s.Check_RepeatDelete() : s.Check_RepeatIgnore();
        else
          rng() % 2 ? s.Check_Change(kPieces[rng() % 5]) : s.Check_Ignore();
        return;
      }
      undoing = true;
      const auto& undo = s.ReadUndoList();
      if (std::any_of(undo.begin(), undo.end(), [](const auto& e) { return !e.Chained; })) {
        s.Check_Undo();
        return;
      }
      EXPECT_EQ(text, original);
      ++restored;
      s.Check_Cancel();
    };
    r.spell().CheckParser(&parser, ctAll);
    EXPECT_FALSE(r.spell().ReadChecking());
  }
  EXPECT_GT(restored, 20);  // enough runs stopped often enough to be undone
}

TEST(CheckRun, CommandsWithoutARunDoNothing) {
  Driven r;
  r.spell().Check_Ignore();
  r.spell().Check_Change("x");
  r.spell().Check_Undo();
  r.spell().Check_Cancel();
  EXPECT_FALSE(r.spell().ReadChecking());
  EXPECT_EQ(r.endMessages, 0);
  // Without a message pump, CheckString ends a run it cannot wait for.
  r.spell().PumpMessage = nullptr;
  std::string text = "zzq cat";
  r.spell().CheckString(text);
  EXPECT_FALSE(r.spell().ReadChecking());
  EXPECT_TRUE(r.spell().ReadCancelled());
}

}  // namespace
}  // namespace tq::spell
