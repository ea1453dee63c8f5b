#include "spell/engine/parsing_engine.h"

#include <gtest/gtest.h>

#include "spell/engine/ignore_rules.h"
#include "spell/engine/string_parser.h"

namespace tq::spell {
namespace {

std::vector<std::string> Words(std::string text, TMainParsingEngine& engine, TCheckType type = ctAll) {
  TStringParser parser(text);
  engine.Initialize(&parser, type);
  std::vector<std::string> words;
  std::string w;
  for (engine.NextWord(w); !w.empty(); engine.NextWord(w)) {
    words.push_back(w);
    if (words.size() > 100) break;
  }
  return words;
}

std::vector<std::string> Words(const std::string& text) {
  TMainParsingEngine engine;
  return Words(text, engine);
}

using W = std::vector<std::string>;

TEST(WordCutting, DefaultRules) {
  struct Row {
    const char* text;
    W words;
  } rows[] = {
      {"Hello world", {"Hello", "world"}},
      {"last", {"last"}},  // no byte after it: still complete
      {"don't stop", {"don't", "stop"}},
      {"the boys' toys", {"the", "boys", "toys"}},
      {"End of sentence.", {"End", "of", "sentence"}},
      {"Hello, world! (yes)", {"Hello", "world", "yes"}},
      {"U.S.A. is big", {"U.S.A.", "is", "big"}},
      {"e.g. this", {"e.g.", "this"}},
      {"Mr. Smith", {"Mr", "Smith"}},
      {"see www.example.com now", {"see", "www.example.com", "now"}},
      {"pi is 3.14.", {"pi", "is", "3.14."}},  // a word holding a period keeps a final one
      {"a...b", {"a", "b"}},
      {"AT&T", {"AT", "&T"}},  // "&" may begin a word but ends one it meets
      {"&amp; x", {"&amp", "x"}},
      {"''quoted'' text", {"quoted", "text"}},
      {"'tis \"so\"", {"tis", "so"}},
      {"it\x92s", {"it\x92s"}},  // the typographic apostrophe is a letter
      {"caf\xE9 na\xEFve \xC9t\xE9", {"caf\xE9", "na\xEFve", "\xC9t\xE9"}},
      {"tab\tnew\r\nline", {"tab", "new", "line"}},
      {"", {}},
      {"  ,;  ", {}},
      {"x\x80y", {"x", "y"}},  // the euro sign is no letter
  };
  for (const Row& r : rows) EXPECT_EQ(Words(r.text), r.words) << r.text;
}

TEST(WordCutting, OptionsAndCharacterSets) {
  TMainParsingEngine engine;
  engine.AllowMidPeriod = false;
  EXPECT_EQ(Words("U.S.A. 3.14", engine), (W{"U", "S", "A", "3", "14"}));
  engine.AllowMidPeriod = true;

  engine.SetFrenchExceptions(true);
  EXPECT_EQ(Words("l'homme aujourd'hui entr'acte qu'il Aujourd'hui", engine),
            (W{"l", "homme", "aujourd'hui", "entr'acte", "qu", "il", "Aujourd'hui"}));
  EXPECT_EQ(engine.ReadMidWord(), "&'");
  engine.SetFrenchExceptions(false);
  EXPECT_EQ(engine.ReadMidWord(), "&");
  EXPECT_EQ(Words("l'homme", engine), (W{"l'homme"}));

  engine.SetCharSet("abc");
  EXPECT_EQ(Words("abcd cab", engine), (W{"abc", "cab"}));
  // Only bytes that may not end a word: skipped, not read again forever.
  engine.SetCharSet("ab.");
  engine.SetForbidStart("");
  EXPECT_EQ(Words("... ab", engine), (W{"ab"}));
}

TEST(WordCutting, CursorAndEndLimit) {
  TMainParsingEngine engine;
  std::string text = "''quoted'' text";
  TStringParser parser(text);
  engine.Initialize(&parser, ctAll);
  std::string w;
  engine.NextWord(w);
  EXPECT_EQ(w, "quoted");
  int32_t x = 0, y = 0;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 9);  // just after the last letter
  EXPECT_EQ(engine.ReadCurrentWord(), "quoted");

  // An end limit inside a word drops that word.
  std::string two = "hello world";
  TStringParser limited(two);
  limited.SetPosition(9, 0, ptEnd);
  engine.Initialize(&limited, ctCurrent);
  engine.NextWord(w);
  EXPECT_EQ(w, "hello");
  engine.NextWord(w);
  EXPECT_EQ(w, "");
  engine.AllowIncompleteLastWord = true;
  limited.SetPosition(1, 0, ptCurrent);
  engine.NextWord(w);
  engine.NextWord(w);
  EXPECT_EQ(w, "wor");
}

TEST(WordCutting, InitializeAndAdjust) {
  TMainParsingEngine engine;
  std::string text = "alpha beta gamma";
  TStringParser parser(text);
  parser.SetPosition(9, 0, ptCurrent);  // inside "beta"
  engine.Initialize(&parser, ctFromCursor);
  std::string w;
  engine.NextWord(w);
  EXPECT_EQ(w, "beta");
  engine.AdjustToPosition(3, 0);  // inside the first word: back to its start
  int32_t x = 0, y = 0;
  parser.GetPosition(x, y);
  EXPECT_EQ(x, 1);
  engine.NextWord(w);
  EXPECT_EQ(w, "alpha");
  engine.Initialize(&parser, ctAll);
  engine.NextWord(w);
  EXPECT_EQ(w, "alpha");
  engine.Initialize(nullptr, ctAll);
  engine.NextWord(w);
  EXPECT_EQ(w, "");
}

TEST(WordCutting, HooksDropWords) {
  TMainParsingEngine engine;
  engine.WordIgnore = [](const std::string& word, TControlParser*, bool& ignore) { ignore = word == "skip"; };
  EXPECT_EQ(Words("keep skip keep", engine), (W{"keep", "keep"}));
  engine.WordIgnore = [](const std::string&, TControlParser*, bool& ignore) { ignore = true; };
  EXPECT_EQ(Words("all of them", engine), W{});
}

// The ignore rules that act while words are cut, through the cutter's hooks.
std::vector<std::string> WordsWith(TParserIgnore& rule, const std::string& text) {
  TMainParsingEngine engine;
  engine.InlineIgnore = [&rule](char c, TControlParser* p, bool& ignore) { ignore = rule.ExecuteIgnore(c, p); };
  engine.WordIgnore = [&rule](const std::string& w, TControlParser* p, bool& ignore) {
    ignore = rule.ExecuteWordIgnorePreCheck(w, p);
  };
  return Words(text, engine);
}

TEST(IgnoreRules, MarkupIsSkipped) {
  THTMLIgnore html;
  struct Row {
    const char* text;
    W words;
  } rows[] = {
      {"<b>bold</b> text", {"bold", "text"}},
      {"<a href=\"x.html\">link</a>", {"link"}},
      {"a<!-- note -- still note -->b", {"a", "b"}},
      {"a<!---->b", {"a", "b"}},
      {"<?php if (a > b) echo ?> after", {"after"}},
      {"<% x > y %>after", {"after"}},
      {"x <unterminated tag and words", {"x"}},
      {"<", {}},
      {"1 < 2", {"1"}},
      {"<>word", {"word"}},
  };
  for (const Row& r : rows) EXPECT_EQ(WordsWith(html, r.text), r.words) << r.text;
  EXPECT_TRUE(html.ExecuteWordIgnorePostCheck("&nbsp", nullptr));
  EXPECT_FALSE(html.ExecuteWordIgnorePostCheck("nbsp", nullptr));
}

TEST(IgnoreRules, AddressesAreSkipped) {
  TURLIgnore url;
  struct Row {
    const char* text;
    W words;
  } rows[] = {
      {"see http://example.com/a?b=c, then", {"see", "then"}},
      {"HTTPS://X.ORG/ ok", {"ok"}},
      {"mail me@example.com or not", {"mail", "or", "not"}},
      {"go www.site.org/page then", {"go", "then"}},
      {"go www.site.org\\page then", {"go", "then"}},
      {"www.site.org is a word", {"www.site.org", "is", "a", "word"}},
      {"http is fine", {"http", "is", "fine"}},  // a scheme word before a space
      {"note: text", {"note", "text"}},          // not a scheme
      {"ftp:(x) y", {"x", "y"}},
      {"file:end", {}},
  };
  for (const Row& r : rows) EXPECT_EQ(WordsWith(url, r.text), r.words) << r.text;
  EXPECT_TRUE(url.ExecuteWordIgnorePostCheck("WWW.Site.org", nullptr));
  EXPECT_FALSE(url.ExecuteWordIgnorePostCheck("www", nullptr));
}

TEST(IgnoreRules, AcceptedWords) {
  TUppercaseWordIgnore upper;
  TNumbersIgnore numbers;
  TAbbreviationsIgnore abbreviations;
  struct Row {
    TParserIgnore* rule;
    const char* word;
    bool accepted;
  } rows[] = {
      {&upper, "NASA", true},           {&upper, "NaSA", false},         {&upper, "123", true},
      {&upper, "\xC9T\xC9", true},      {&upper, "\xC9t\xE9", false},    {&numbers, "abc1", true},
      {&numbers, "4th", true},          {&numbers, "abc", false},        {&numbers, "-+", false},
      {&abbreviations, "U.S.A.", true}, {&abbreviations, "e.g.", true},  {&abbreviations, "U.S", true},
      {&abbreviations, "Mr.", false},   {&abbreviations, "etc.", false}, {&abbreviations, "abc", false},
      {&abbreviations, "a.bc.", false},
  };
  for (const Row& r : rows) EXPECT_EQ(r.rule->ExecuteWordIgnorePostCheck(r.word, nullptr), r.accepted) << r.word;
}

TEST(IgnoreRules, QuotedLines) {
  TQuotedLineIgnore quoted(">|");
  EXPECT_TRUE(quoted.ExecuteLineIgnore("> quoted"));
  EXPECT_TRUE(quoted.ExecuteLineIgnore("|x"));
  EXPECT_FALSE(quoted.ExecuteLineIgnore(" > indented"));
  EXPECT_FALSE(quoted.ExecuteLineIgnore(""));
  EXPECT_FALSE(quoted.ExecuteWordIgnorePostCheck("word", nullptr));
  // With a string cursor the line is the whole string.
  std::string text = "> first line\nsecond line";
  TStringParser parser(text);
  parser.SetPosition(20, 0, ptCurrent);
  EXPECT_TRUE(quoted.ExecuteWordIgnorePostCheck("second", &parser));
  std::string plain = "plain\n> quoted";
  TStringParser other(plain);
  EXPECT_FALSE(quoted.ExecuteWordIgnorePostCheck("quoted", &other));
}

TEST(StringParser, Moves) {
  std::string text = "ab";
  TStringParser p(text);
  EXPECT_EQ(p.GetChar(), 'a');
  EXPECT_FALSE(p.MovePrevious());
  EXPECT_TRUE(p.MoveNext());
  EXPECT_TRUE(p.MoveNext());  // onto the position just past the end
  EXPECT_EQ(p.GetChar(), '\0');
  EXPECT_FALSE(p.MoveNext());
  int32_t x = 0, y = 7;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 4);  // moved all the same
  EXPECT_EQ(y, 0);
  p.SetPosition(0, 0, ptCurrent);
  p.GetPosition(x, y);
  EXPECT_EQ(x, 1);
  p.SetPosition(1, 0, ptEnd);
  EXPECT_FALSE(p.MoveNext());  // past the end limit
  TSpellRect r;
  r.Left = 5;
  p.GetControlScreenPosition(r);
  EXPECT_EQ(r.Left, -1);
}

TEST(StringParser, ReplaceAndIgnore) {
  std::string text = "a teh b";
  TStringParser p(text);
  p.SetPosition(6, 0, ptCurrent);  // just after "teh"
  p.SetPosition(7, 0, ptEnd);
  p.SelectWord(3);
  int32_t x = 0, y = 0;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 3);
  p.ReplaceWord("there", 0);
  EXPECT_EQ(text, "a there b");
  p.GetPosition(x, y);
  EXPECT_EQ(x, 8);
  // The end limit moved with the text: "b" is still inside it.
  EXPECT_TRUE(p.MoveNext());
  EXPECT_EQ(p.GetChar(), 'b');
  EXPECT_FALSE(p.MoveNext());
  p.SetPosition(4, 0, ptCurrent);
  p.SelectWord(2);
  p.IgnoreWord(iwIgnore);
  p.GetPosition(x, y);
  EXPECT_EQ(x, 4);
  // A selection longer than the text before it stays within the text.
  p.SetPosition(2, 0, ptCurrent);
  p.SelectWord(50);
  EXPECT_EQ(p.GetChar(), 'a');
}

}  // namespace
}  // namespace tq::spell
