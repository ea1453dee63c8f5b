#include "spell/engine/string_parser.h"

#include <algorithm>
#include <limits>

namespace tq::spell {

void TStringParser::Initialize(void* target) {
  text_ = static_cast<std::string*>(target);
  x_ = 1;
  endLimit_ = false;
  endX_ = 0;
  selLength_ = 0;
}

void TStringParser::GetLine(std::string& text) {
  if (text_) {
    text = *text_;
  } else {
    text.clear();
  }
}

bool TStringParser::MovePrevious() {
  if (x_ <= 1) return false;
  --x_;
  return true;
}

void TStringParser::SetPosition(int32_t x, int32_t, TPositionType type) {
  if (type == ptEnd) {
    endX_ = x;
    endLimit_ = true;
  } else {
    x_ = std::max(x, 1);
  }
}

void TStringParser::GetPosition(int32_t& x, int32_t& y) {
  x = x_;
  y = 0;
}

void TStringParser::SelectWord(int32_t length) {
  selLength_ = std::max(length, 0);
  // Never before the text: a cursor below 1 would have nothing to read.
  x_ = std::max(x_ - selLength_, 1);
}

void TStringParser::ReplaceWord(const std::string& text, int32_t) {
  if (!text_) return;
  const size_t at = std::min(static_cast<size_t>(x_ - 1), text_->size());
  const size_t count = std::min(static_cast<size_t>(selLength_), text_->size() - at);
  text_->replace(at, count, text);
  x_ = static_cast<int32_t>(at + text.size()) + 1;
  if (endLimit_) endX_ += static_cast<int32_t>(text.size()) - selLength_;
  selLength_ = 0;
}

void TStringParser::IgnoreWord(TIgnoreWordState) { x_ += selLength_; }

void TStringParser::GetCursorPosition(int32_t& x, int32_t& y) { GetPosition(x, y); }

void TStringParser::GetSelectionPosition(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) {
  GetPosition(startX, startY);
  GetPosition(endX, endY);
}

}  // namespace tq::spell
