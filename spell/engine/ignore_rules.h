// Ignore rules: what the word cutter skips (markup, Internet addresses) and
// which unknown words are accepted all the same (words in capitals, with
// digits, abbreviations, words on quoted lines). The engine component keeps
// them in lists and asks them at the points their answers say.
#pragma once

#include <string>
#include <string_view>

#include "spell/engine/control_parser.h"

namespace tq::spell {

class TParserIgnore {
 public:
  virtual ~TParserIgnore() = default;
  // Asked while cutting words (ExecuteIgnore, ExecuteWordIgnorePreCheck).
  virtual bool NeededBeforeCheck() = 0;
  // Judges whole lines (ExecuteLineIgnore).
  virtual bool LineCheckNeeded() = 0;
  // The cutter is about to read CurrentChar; true when the rule moved the
  // cursor past something to skip.
  virtual bool ExecuteIgnore(char CurrentChar, TControlParser* Parser) = 0;
  // A word was cut, the cursor is on the byte after it; true drops it.
  virtual bool ExecuteWordIgnorePreCheck(std::string_view Word, TControlParser* Parser) = 0;
  // A word no dictionary knows; true accepts it.
  virtual bool ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser* Parser) = 0;
  virtual bool ExecuteLineIgnore(std::string_view Line) = 0;
};

// Answers false to everything; the rules override what they need.
class TParserIgnoreBase : public TParserIgnore {
 public:
  bool NeededBeforeCheck() override { return false; }
  bool LineCheckNeeded() override { return false; }
  bool ExecuteIgnore(char, TControlParser*) override { return false; }
  bool ExecuteWordIgnorePreCheck(std::string_view, TControlParser*) override { return false; }
  bool ExecuteWordIgnorePostCheck(std::string_view, TControlParser*) override { return false; }
  bool ExecuteLineIgnore(std::string_view) override { return false; }
};

// Skips tags, comments and processing instructions; accepts "&" entities.
class THTMLIgnore : public TParserIgnoreBase {
 public:
  bool NeededBeforeCheck() override { return true; }
  bool ExecuteIgnore(char CurrentChar, TControlParser* Parser) override;
  bool ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser* Parser) override;
};

// Skips addresses (scheme:..., name@..., www.../...); accepts "www." words.
class TURLIgnore : public TParserIgnoreBase {
 public:
  bool NeededBeforeCheck() override { return true; }
  bool ExecuteWordIgnorePreCheck(std::string_view Word, TControlParser* Parser) override;
  bool ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser* Parser) override;
};

// Accepts the words of lines that begin with one of the quote characters.
class TQuotedLineIgnore : public TParserIgnoreBase {
 public:
  explicit TQuotedLineIgnore(std::string quoteChars) : quoteChars_(std::move(quoteChars)) {}
  bool LineCheckNeeded() override { return true; }
  bool ExecuteLineIgnore(std::string_view Line) override;
  bool ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser* Parser) override;
  const std::string& ReadQuoteChars() const { return quoteChars_; }

 private:
  std::string quoteChars_;
};

// Accepts words that equal their upper-case form.
class TUppercaseWordIgnore : public TParserIgnoreBase {
 public:
  bool ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser* Parser) override;
};

// Accepts words that hold a digit.
class TNumbersIgnore : public TParserIgnoreBase {
 public:
  bool ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser* Parser) override;
};

// Accepts abbreviations of single letters each followed by a period.
class TAbbreviationsIgnore : public TParserIgnoreBase {
 public:
  bool ExecuteWordIgnorePostCheck(std::string_view Word, TControlParser* Parser) override;
};

}  // namespace tq::spell
