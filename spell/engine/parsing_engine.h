// Word cutting: TParsingEngine reads words through a TControlParser;
// TMainParsingEngine is the standard cutter, driven by byte tables (word
// bytes, forbidden starts and ends, mid-word breakers), with mid-word
// periods, French elisions and two hooks through which the ignore rules skip
// markup and addresses.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "spell/engine/check_types.h"
#include "spell/engine/control_parser.h"
#include "spell/engine/string_parser.h"

namespace tq::spell {

// Called with the byte about to be read; setting Ignore means the hook moved
// the cursor past something to skip.
using TInlineIgnoreEvent = std::function<void(char CurrentChar, TControlParser* Parser, bool& Ignore)>;
// Called with each word found; setting Ignore drops it and cutting goes on.
using TWordIgnoreEvent = std::function<void(const std::string& Word, TControlParser* Parser, bool& Ignore)>;

class TParsingEngine {
 public:
  virtual ~TParsingEngine() = default;

  // Attaches to parser and places the cursor for a check of checkType.
  virtual void Initialize(TControlParser* parser, TCheckType checkType) = 0;
  // Moves to (x, y), then back to the start of the word there.
  virtual void AdjustToPosition(int32_t x, int32_t y) = 0;
  // The next word; empty at the end of the text or the end limit.
  virtual void NextWord(std::string& word) = 0;

  TControlParser* ReadParser() const { return parser_; }
  const std::string& ReadCurrentWord() const { return currentWord_; }

  TInlineIgnoreEvent InlineIgnore;
  TWordIgnoreEvent WordIgnore;

 protected:
  TControlParser* parser_ = nullptr;
  std::string currentWord_;
};

class TMainParsingEngine : public TParsingEngine {
 public:
  // The letters of the Western European, Cyrillic, Czech and Polish Windows
  // code pages, digits, "&" and both apostrophes.
  static const std::string& DefaultCharSet();

  TMainParsingEngine();

  void Initialize(TControlParser* parser, TCheckType checkType) override;
  void AdjustToPosition(int32_t x, int32_t y) override;
  void NextWord(std::string& word) override;

  void SetCharSet(const std::string& text);
  void SetMidWord(const std::string& text);
  void SetForbidEnd(const std::string& text);
  void SetForbidStart(const std::string& text);
  // On: the apostrophe breaks words, except after "aujourd" and "entr".
  void SetFrenchExceptions(bool on);

  const std::string& ReadCharSet() const { return charSet_; }
  const std::string& ReadMidWord() const { return midWord_; }
  const std::string& ReadForbidEnd() const { return forbidEnd_; }
  const std::string& ReadForbidStart() const { return forbidStart_; }
  bool ReadFrenchExceptions() const { return frenchExceptions_; }
  bool AllowMidPeriod = true;
  bool AllowIncompleteLastWord = false;

 private:
  void RebuildTables();
  template <class Cursor>
  void ReadNextWord(Cursor p, std::string& word);
  // parser_ when it is a plain TStringParser, whose bytes are then read
  // without a virtual call each.
  TStringParser* stringParser_ = nullptr;
  bool IsWordByte(char c) const { return wordChar_[static_cast<unsigned char>(c)]; }
  bool IsMidWordByte(char c) const { return midWordChar_[static_cast<unsigned char>(c)]; }
  bool IsEndForbidden(char c) const { return endForbidden_[static_cast<unsigned char>(c)]; }
  bool IsStartForbidden(char c) const { return startForbidden_[static_cast<unsigned char>(c)]; }

  std::string charSet_;
  std::string forbidStart_ = "'\"";
  std::string forbidEnd_ = "'\".";
  std::string midWord_ = "&";  // mid-word breakers
  bool frenchExceptions_ = false;
  std::array<bool, 256> wordChar_{};
  std::array<bool, 256> midWordChar_{};
  std::array<bool, 256> endForbidden_{};
  std::array<bool, 256> startForbidden_{};
};

}  // namespace tq::spell
