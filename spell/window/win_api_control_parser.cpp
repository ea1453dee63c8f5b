#include "spell/window/win_api_control_parser.h"

#include <richedit.h>

#include <algorithm>
#include <iterator>

#include "platform/utf16.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/control_text.h"
#include "ui/wnd.h"

namespace tq::spell {

TWinAPIControlType ControlTypeOfClass(const std::string& className) {
  const std::string name = AnsiLowerCase(className);
  if (name.find("richedit2") != std::string::npos) return actRichEdit2;
  if (name.find("richedit") != std::string::npos || name.find("syntaxmemo") != std::string::npos ||
      name.find("lmdmemo") != std::string::npos)
    return actRichEdit;
  return actEdit;
}

void TWinAPIControlParser::Initialize(void* target) {
  control_ = static_cast<ui::Wnd*>(target);
  InitializeFromHWND(control_ ? control_->Handle() : nullptr);
}

void TWinAPIControlParser::InitializeFromHWND(HWND window) {
  window_ = window;
  endLimit_ = false;
  x_ = y_ = 0;
  reload_ = true;
  line_.clear();
  bufferedLine_ = -1;
  lineCount_ = static_cast<int32_t>(Send(EM_GETLINECOUNT));
  selStart_ = selLength_ = 0;
  wchar_t className[64] = {};
  if (window_) GetClassNameW(window_, className, static_cast<int>(std::size(className)));
  controlType_ = ControlTypeOfClass(platform::Utf8(className));
}

int32_t TWinAPIControlParser::LineIndex(int32_t line) const {
  return static_cast<int32_t>(Send(EM_LINEINDEX, static_cast<WPARAM>(line)));
}

void TWinAPIControlParser::WindowSelection(int32_t& start, int32_t& end) const {
  DWORD s = 0, e = 0;
  Send(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  start = static_cast<int32_t>(s);
  end = static_cast<int32_t>(e);
}

std::wstring TWinAPIControlParser::LineText(int32_t line) const {
  // EM_GETLINE takes the room in the buffer's first word and does not end
  // the text with a zero.
  std::wstring buffer(kMaxLineChars + 1, L'\0');
  buffer[0] = static_cast<wchar_t>(kMaxLineChars);
  const LRESULT got = Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(got > 0 ? std::min<size_t>(static_cast<size_t>(got), kMaxLineChars) : 0);
  return buffer;
}

void TWinAPIControlParser::LoadLine() {
  std::wstring text = LineText(y_);
  // A rich edit hands out the paragraph mark with the line; the cursor adds
  // its own CR LF, and the columns must stay those of the line's characters.
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
  line_ = EngineTextOfUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
  line_ += "\r\n";
  bufferedLine_ = y_;
  reload_ = false;
}

bool TWinAPIControlParser::EnsureLineCurrent() {
  // A replacement changes the line under the cursor, so a pending reload
  // comes before the column is measured against the line.
  bool enteredFromBelow = false;
  for (;;) {
    if (reload_ || y_ != bufferedLine_) {
      lineCount_ = static_cast<int32_t>(Send(EM_GETLINECOUNT));
      if (y_ < 0 || y_ >= lineCount_) return false;
      LoadLine();
      // Moving back from the next line lands on this line's line feed.
      if (enteredFromBelow) x_ = static_cast<int32_t>(line_.size()) - 1;
    }
    if (x_ >= static_cast<int32_t>(line_.size())) {
      ++y_;
      x_ = 0;
      continue;
    }
    if (x_ < 0) {
      if (y_ == 0) {
        x_ = 0;
        return false;
      }
      --y_;
      x_ = -1;
      enteredFromBelow = true;
      continue;
    }
    break;
  }
  if (endLimit_ && (y_ > endY_ || (y_ == endY_ && x_ > endX_))) return false;
  return true;
}

char TWinAPIControlParser::GetChar() { return EnsureLineCurrent() ? line_[static_cast<size_t>(x_)] : '\0'; }

void TWinAPIControlParser::GetLine(std::string& text) {
  if (EnsureLineCurrent())
    text = line_;
  else
    text.clear();
}

bool TWinAPIControlParser::MoveNext() {
  ++x_;
  return EnsureLineCurrent();
}

bool TWinAPIControlParser::MovePrevious() {
  --x_;
  return EnsureLineCurrent();
}

void TWinAPIControlParser::SetPosition(int32_t x, int32_t y, TPositionType type) {
  if (type == ptEnd) {
    endX_ = x;
    endY_ = y;
    endLimit_ = true;
  } else {
    x_ = x;
    y_ = y;
    reload_ = true;
  }
}

void TWinAPIControlParser::GetPosition(int32_t& x, int32_t& y) {
  x = x_;
  y = y_;
}

void TWinAPIControlParser::SelectWord(int32_t length) {
  x_ -= length;
  selStart_ = LineIndex(y_) + x_;
  selLength_ = length;
  Send(EM_SETSEL, static_cast<WPARAM>(selStart_), selStart_ + selLength_);
}

void TWinAPIControlParser::ReplaceWord(const std::string& text, int32_t /*state*/) {
  Send(EM_SETSEL, static_cast<WPARAM>(selStart_), selStart_ + selLength_);
  if (endLimit_ && y_ == endY_) {
    int32_t start = 0, end = 0;
    WindowSelection(start, end);
    endX_ += static_cast<int32_t>(text.size()) - (end - start);
  }
  // Undoable, so the control keeps the user's own undo history and the
  // correction can be taken back in the control as well. Each byte of the
  // engine's text is one UTF-16 unit.
  const std::u16string wide = Utf16OfEngineText(text);
  Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  x_ += static_cast<int32_t>(wide.size());
  reload_ = true;
}

void TWinAPIControlParser::IgnoreWord(TIgnoreWordState) {
  int32_t start = 0, end = 0;
  WindowSelection(start, end);
  x_ += end - start;
}

int TWinAPIControlParser::CharWidth(int32_t index) const {
  const int32_t line = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(index)));
  const int32_t column = index - LineIndex(line);
  const std::wstring text = LineText(line);
  if (column < 0 || column >= static_cast<int32_t>(text.size())) return 0;
  HDC dc = GetDC(window_);
  if (!dc) return 0;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(Send(WM_GETFONT)));
  SIZE size{};
  GetTextExtentPoint32W(dc, &text[static_cast<size_t>(column)], 1, &size);
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  return size.cx;
}

int TWinAPIControlParser::LineHeight() const {
  HDC dc = GetDC(window_);
  if (!dc) return 0;
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(Send(WM_GETFONT)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window_, dc);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

void TWinAPIControlParser::CenterSelection() {
  const int height = LineHeight();
  if (height > 0) {
    RECT client{};
    GetClientRect(window_, &client);
    const int visible = (client.bottom - client.top) / height;
    const int first = static_cast<int>(Send(EM_GETFIRSTVISIBLELINE));
    Send(EM_LINESCROLL, 0, y_ - first - visible / 2);
  }
  int32_t start = 0, end = 0;
  WindowSelection(start, end);
  Send(EM_SETSEL, static_cast<WPARAM>(start), start);
  Send(EM_SCROLLCARET);
  Send(EM_SETSEL, static_cast<WPARAM>(end), end);
  Send(EM_SCROLLCARET);
  Send(EM_SETSEL, static_cast<WPARAM>(start), end);
}

void TWinAPIControlParser::GetCursorPosition(int32_t& x, int32_t& y) {
  int32_t start = 0, end = 0;
  WindowSelection(start, end);
  y = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(start)));
  x = start - LineIndex(y);
}

void TWinAPIControlParser::GetSelectionPosition(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) {
  int32_t start = 0, end = 0;
  WindowSelection(start, end);
  startY = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(start)));
  startX = start - LineIndex(startY);
  endY = static_cast<int32_t>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(end)));
  endX = end - LineIndex(endY);
}

void TWinAPIControlParser::GetControlScreenPosition(TSpellRect& rect) {
  POINT origin{0, 0};
  RECT window{};
  if (!window_ || !ClientToScreen(window_, &origin) || !GetWindowRect(window_, &window)) return;
  rect.Left = origin.x;
  rect.Top = origin.y;
  rect.Right = origin.x + (window.right - window.left);
  rect.Bottom = origin.y + (window.bottom - window.top);
}

bool TWinAPIControlParser::Perform_EM_POSFROMCHAR(int32_t index, POINT& point) {
  if (controlType_ == actRichEdit) {
    POINTL p{-1, -1};
    Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), index);
    point = {p.x, p.y};
    return !(p.x == -1 && p.y == -1);
  }
  const LRESULT packed = Send(EM_POSFROMCHAR, static_cast<WPARAM>(index));
  if (packed == -1) return false;
  // Coordinates of a scrolled text may be negative.
  point = {static_cast<SHORT>(LOWORD(packed)), static_cast<SHORT>(HIWORD(packed))};
  return true;
}

void TWinAPIControlParser::GetSelectionScreenPosition(TSpellRect& rect) {
  if (!window_) return;
  int32_t start = 0, end = 0;
  WindowSelection(start, end);
  POINT first{}, last{};
  if (!Perform_EM_POSFROMCHAR(start, first)) return;
  if (!Perform_EM_POSFROMCHAR(end, last)) {
    // An edit control has no position for the place after its last
    // character: that character's position plus its width.
    last = first;
    if (end > start && Perform_EM_POSFROMCHAR(end - 1, last)) last.x += CharWidth(end - 1);
  }
  ClientToScreen(window_, &first);
  ClientToScreen(window_, &last);
  rect.Left = first.x;
  rect.Top = first.y;
  rect.Right = last.x;
  rect.Bottom = first.y + LineHeight();
  POINT next{};
  if (y_ + 1 < static_cast<int32_t>(Send(EM_GETLINECOUNT)) && Perform_EM_POSFROMCHAR(LineIndex(y_ + 1), next)) {
    ClientToScreen(window_, &next);
    rect.Bottom = std::max<int32_t>(rect.Bottom, next.y);
  }
}

}  // namespace tq::spell
