// TWinAPIControlParser: the check run's cursor over the text of an edit or
// rich edit window. It reads one line at a time with window messages and
// keeps only a copy of that line, so the window always holds the one copy of
// the text and every replacement shows at once. Positions are (X, Y) with Y
// the line as the control counts lines and X the column in it; X = the line's
// length is a carriage return and X = length + 1 a line feed, so the word
// cutter sees a break at the end of every line, wrapped ones included.
// The window's text is read as UTF-16 and handed to the engine one byte per
// unit (spell/engine/control_text.h), so X counts UTF-16 units as the
// window's own messages do.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "spell/engine/control_parser.h"

namespace tq::ui {
class Wnd;
}

namespace tq::spell {

enum TWinAPIControlType : int {
  actEdit = 0,       // the system's edit control
  actRichEdit = 1,   // rich edit of the first generation and compatible controls
  actRichEdit2 = 2,  // rich edit of the second generation or later
};

// The kind of control a window class stands for.
TWinAPIControlType ControlTypeOfClass(const std::string& className);

class TWinAPIControlParser : public TControlParser {
 public:
  // Characters of one line that are read; the rest of a longer line is cut.
  static constexpr int kMaxLineChars = 16374;

  // target is the host control, a tq::ui::Wnd.
  void Initialize(void* target) override;
  // A window without a host control (another program's, for instance).
  void InitializeFromHWND(HWND window);

  char GetChar() override;
  void GetLine(std::string& text) override;
  bool MoveNext() override;
  bool MovePrevious() override;
  void SetPosition(int32_t x, int32_t y, TPositionType type) override;
  void GetPosition(int32_t& x, int32_t& y) override;
  void SelectWord(int32_t length) override;
  void ReplaceWord(const std::string& text, int32_t state) override;
  void IgnoreWord(TIgnoreWordState state) override;
  void CenterSelection() override;
  void GetCursorPosition(int32_t& x, int32_t& y) override;
  void GetSelectionPosition(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) override;
  void GetControlScreenPosition(TSpellRect& rect) override;
  void GetSelectionScreenPosition(TSpellRect& rect) override;
  // Undo is the check run's own; the window keeps nothing for it.
  void UndoLast(int32_t, TSpellAction, int32_t&) override {}

  // Makes the buffer hold line Y, moving over line ends; false past the
  // text, before its start or past the end limit.
  bool EnsureLineCurrent();
  // The client position of a character, in the message form of the control
  // type. False when the control gives none (an index past the text).
  bool Perform_EM_POSFROMCHAR(int32_t index, POINT& point);

  ui::Wnd* ReadControl() const { return control_; }
  HWND ReadHandle() const { return window_; }
  TWinAPIControlType ReadControlType() const { return controlType_; }
  void WriteControlType(TWinAPIControlType type) { controlType_ = type; }

 private:
  LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const { return SendMessageW(window_, msg, wp, lp); }
  int32_t LineIndex(int32_t line) const;
  // The UTF-16 text of a line as the window gives it (up to kMaxLineChars).
  std::wstring LineText(int32_t line) const;
  void WindowSelection(int32_t& start, int32_t& end) const;
  void LoadLine();
  // Width of one character of the text in the window's font.
  int CharWidth(int32_t index) const;
  // Height of a text line of the window's font.
  int LineHeight() const;

  ui::Wnd* control_ = nullptr;
  HWND window_ = nullptr;
  TWinAPIControlType controlType_ = actEdit;
  int32_t endX_ = 0, endY_ = 0;
  bool endLimit_ = false;
  int32_t x_ = 0, y_ = 0;
  std::string line_;  // the buffered line as engine text, with CR LF appended
  int32_t bufferedLine_ = -1;
  int32_t lineCount_ = 0;
  bool reload_ = true;
  int32_t selStart_ = 0, selLength_ = 0;
};

}  // namespace tq::spell
