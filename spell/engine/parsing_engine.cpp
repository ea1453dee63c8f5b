#include "spell/engine/parsing_engine.h"

#include <typeinfo>

#include "spell/engine/ansi_text.h"
#include "spell/engine/control_text.h"

namespace tq::spell {

const std::string& TMainParsingEngine::DefaultCharSet() {
  static const std::string set = [] {
    std::string s;
    auto range = [&s](int from, int to) {
      for (int b = from; b <= to; ++b) s += static_cast<char>(b);
    };
    range(0x26, 0x27);
    range(0x30, 0x39);
    range(0x41, 0x5A);
    range(0x61, 0x7A);
    range(0x8A, 0x8A);
    range(0x8C, 0x8F);
    range(0x92, 0x92);
    range(0x9A, 0x9A);
    range(0x9C, 0x9F);
    range(0xA1, 0xA3);
    range(0xA5, 0xA6);
    range(0xA8, 0xA8);
    range(0xAC, 0xAC);
    range(0xAF, 0xAF);
    range(0xB1, 0xB3);
    range(0xB6, 0xB6);
    range(0xB8, 0xB9);
    range(0xBC, 0xBC);
    range(0xBF, 0xFF);
    return s;
  }();
  return set;
}

TMainParsingEngine::TMainParsingEngine() : charSet_(DefaultCharSet()) { RebuildTables(); }

void TMainParsingEngine::RebuildTables() {
  wordChar_.fill(false);
  midWordChar_.fill(false);
  endForbidden_.fill(false);
  startForbidden_.fill(false);
  for (char c : charSet_) wordChar_[static_cast<unsigned char>(c)] = true;
  midWordChar_ = wordChar_;
  for (char c : midWord_) midWordChar_[static_cast<unsigned char>(c)] = false;
  for (char c : forbidEnd_) endForbidden_[static_cast<unsigned char>(c)] = true;
  for (char c : forbidStart_) startForbidden_[static_cast<unsigned char>(c)] = true;
  // Byte 0 is what a cursor reads past the end of its text: never a word.
  wordChar_[0] = midWordChar_[0] = false;
  // A character the engine cannot hold is a letter whatever the set says, so
  // that a word holding one is read whole (and then left alone).
  const auto foreign = static_cast<unsigned char>(kForeignUnit);
  wordChar_[foreign] = midWordChar_[foreign] = true;
  endForbidden_[foreign] = startForbidden_[foreign] = false;
}

void TMainParsingEngine::SetCharSet(const std::string& text) {
  charSet_ = text;
  RebuildTables();
}

void TMainParsingEngine::SetMidWord(const std::string& text) {
  midWord_ = text;
  RebuildTables();
}

void TMainParsingEngine::SetForbidEnd(const std::string& text) {
  forbidEnd_ = text;
  RebuildTables();
}

void TMainParsingEngine::SetForbidStart(const std::string& text) {
  forbidStart_ = text;
  RebuildTables();
}

void TMainParsingEngine::SetFrenchExceptions(bool on) {
  frenchExceptions_ = on;
  if (on) {
    midWord_ += '\'';
  } else if (size_t at = midWord_.find('\''); at != std::string::npos) {
    midWord_.erase(at, 1);
  }
  RebuildTables();
}

void TMainParsingEngine::Initialize(TControlParser* parser, TCheckType checkType) {
  parser_ = parser;
  stringParser_ = parser && typeid(*parser) == typeid(TStringParser) ? static_cast<TStringParser*>(parser) : nullptr;
  currentWord_.clear();
  if (!parser_) return;
  int32_t sx = 0, sy = 0, ex = 0, ey = 0;
  switch (checkType) {
    case ctSelected:
      parser_->GetSelectionPosition(sx, sy, ex, ey);
      AdjustToPosition(sx, sy);
      parser_->SetPosition(ex, ey, ptEnd);
      break;
    case ctFromCursor:
      parser_->GetSelectionPosition(sx, sy, ex, ey);
      AdjustToPosition(sx, sy);
      break;
    case ctAll:
      parser_->SetPosition(0, 0, ptCurrent);
      break;
    case ctSmart:
    case ctCurrent:
      break;
  }
}

void TMainParsingEngine::AdjustToPosition(int32_t x, int32_t y) {
  if (!parser_) return;
  parser_->SetPosition(x, y, ptCurrent);
  while (IsMidWordByte(parser_->GetChar()) && parser_->MovePrevious()) {
  }
}

namespace {

// The cursor calls of the word cutter, through the parser's interface or,
// for a plain TStringParser, straight to its own (inline) members.
struct AnyCursor {
  TControlParser& parser;
  TControlParser* hooked() const { return &parser; }
  char GetChar() const { return parser.GetChar(); }
  bool MoveNext() const { return parser.MoveNext(); }
  bool MovePrevious() const { return parser.MovePrevious(); }
  void GetPosition(int32_t& x, int32_t& y) const { parser.GetPosition(x, y); }
  void SetPosition(int32_t x, int32_t y) const { parser.SetPosition(x, y, ptCurrent); }
};

struct StringCursor {
  TStringParser& parser;
  TControlParser* hooked() const { return &parser; }
  char GetChar() const { return parser.TStringParser::GetChar(); }
  bool MoveNext() const { return parser.TStringParser::MoveNext(); }
  bool MovePrevious() const { return parser.TStringParser::MovePrevious(); }
  void GetPosition(int32_t& x, int32_t& y) const { parser.TStringParser::GetPosition(x, y); }
  void SetPosition(int32_t x, int32_t y) const { parser.TStringParser::SetPosition(x, y, ptCurrent); }
};

}  // namespace

void TMainParsingEngine::NextWord(std::string& word) {
  word.clear();
  if (!parser_) return;
  if (stringParser_)
    ReadNextWord(StringCursor{*stringParser_}, word);
  else
    ReadNextWord(AnyCursor{*parser_}, word);
  currentWord_ = word;
}

template <class Cursor>
void TMainParsingEngine::ReadNextWord(Cursor p, std::string& word) {
  for (;;) {
    // 1. Find a start.
    char c = p.GetChar();
    for (;;) {
      if (InlineIgnore) {
        bool ignore = false;
        InlineIgnore(c, p.hooked(), ignore);
        if (ignore) c = p.GetChar();
      }
      if (IsWordByte(c) && !IsStartForbidden(c)) break;
      if (!p.MoveNext()) return;
      c = p.GetChar();
    }
    // 2. Read to its end. The bytes of a run of word bytes are gathered
    // first and added to the word together.
    word.assign(1, c);
    bool abbreviation = false;
    bool textEnded = false;
    char run[64];
    size_t inRun = 0;
    for (;;) {
      if (!p.MoveNext()) {
        word.append(run, inRun);
        if (!AllowIncompleteLastWord) word.clear();
        textEnded = true;
        break;
      }
      c = p.GetChar();
      if (IsMidWordByte(c)) {
        run[inRun++] = c;
        if (inRun == sizeof run) {
          word.append(run, inRun);
          inRun = 0;
        }
        continue;
      }
      word.append(run, inRun);
      inRun = 0;
      if (c == '.' && AllowMidPeriod) {
        p.MoveNext();
        const char after = p.GetChar();
        p.MovePrevious();
        const bool hasPeriod = word.find('.') != std::string::npos;
        if (IsMidWordByte(after) || hasPeriod) {
          abbreviation = abbreviation || hasPeriod;
          word += c;
          continue;
        }
      } else if (c == '\'' && frenchExceptions_) {
        const std::string lower = AnsiLowerCase(word);
        if (lower == "aujourd" || lower == "entr") {
          word += c;
          continue;
        }
      }
      break;
    }
    // 4. Strip bytes that may not end a word, stepping back over each.
    const bool hadWord = !word.empty();
    int32_t endX = 0, endY = 0;
    p.GetPosition(endX, endY);
    while (!word.empty() && IsEndForbidden(word.back()) && !(abbreviation && word.back() == '.')) {
      word.pop_back();
      p.MovePrevious();
    }
    if (hadWord && word.empty()) {
      // Only forbidden ends (possible with a custom character set): skip them
      // rather than meet the same start again.
      p.SetPosition(endX, endY);
      if (textEnded) break;
      continue;
    }
    if (word.empty()) break;
    // 5. Let the rules drop it.
    if (WordIgnore) {
      bool ignore = false;
      WordIgnore(word, p.hooked(), ignore);
      if (ignore) {
        word.clear();
        continue;
      }
    }
    break;
  }
}

}  // namespace tq::spell
