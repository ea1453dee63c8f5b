// TStringParser: the cursor over a string variable of the caller's. X is the
// 1-based byte index, Y is always 0; replacements change the caller's string.
#pragma once

#include <algorithm>
#include <limits>
#include <string>

#include "spell/engine/control_parser.h"

namespace tq::spell {

class TStringParser : public TControlParser {
 public:
  TStringParser() = default;
  explicit TStringParser(std::string& target) { Initialize(&target); }

  // target: a std::string* that outlives the cursor.
  void Initialize(void* target) override;
  // Inline: the word cutter reads a text byte by byte through these.
  char GetChar() override {
    if (x_ < 1 || x_ > Length()) return '\0';
    return (*text_)[static_cast<size_t>(x_ - 1)];
  }
  void GetLine(std::string& text) override;
  bool MoveNext() override {
    const bool within = x_ <= Length();
    if (x_ < std::numeric_limits<int32_t>::max()) ++x_;
    if (endLimit_ && x_ > endX_) return false;
    return within;
  }
  bool MovePrevious() override;
  void SetPosition(int32_t x, int32_t y, TPositionType type) override;
  void GetPosition(int32_t& x, int32_t& y) override;
  void SelectWord(int32_t length) override;
  void ReplaceWord(const std::string& text, int32_t state) override;
  void IgnoreWord(TIgnoreWordState state) override;
  void CenterSelection() override {}
  void GetCursorPosition(int32_t& x, int32_t& y) override;
  void GetSelectionPosition(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) override;
  void GetControlScreenPosition(TSpellRect& rect) override { rect = TSpellRect{}; }
  void GetSelectionScreenPosition(TSpellRect& rect) override { rect = TSpellRect{}; }
  void UndoLast(int32_t, TSpellAction, int32_t&) override {}

  int32_t ReadSelectionLength() const { return selLength_; }

 private:
  int32_t Length() const {
    return text_ ? static_cast<int32_t>(std::min<size_t>(text_->size(), std::numeric_limits<int32_t>::max() - 1)) : 0;
  }

  std::string* text_ = nullptr;
  int32_t x_ = 1;
  bool endLimit_ = false;
  int32_t endX_ = 0;
  int32_t selLength_ = 0;
};

}  // namespace tq::spell
