// TControlParser: the cursor through which the engine reads and changes a
// text it does not own (a string, an edit control, a window). Positions are
// (X, Y) pairs whose meaning the implementation defines; the cursor has a
// current position, an optional end limit and a selection.
#pragma once

#include <cstdint>
#include <string>

#include "spell/engine/check_types.h"

namespace tq::spell {

enum TPositionType : int { ptCurrent = 0, ptEnd = 1 };

// A rectangle on the screen; all edges -1 when the owner has none.
struct TSpellRect {
  int32_t Left = -1;
  int32_t Top = -1;
  int32_t Right = -1;
  int32_t Bottom = -1;
};

class TControlParser {
 public:
  virtual ~TControlParser() = default;

  // Attaches to a text owner; what target points to depends on the cursor.
  virtual void Initialize(void* target) = 0;
  // The byte at the current position; 0 past the end of the text.
  virtual char GetChar() = 0;
  // The line that holds the current position.
  virtual void GetLine(std::string& text) = 0;
  virtual bool MoveNext() = 0;
  // false at the first position, which stays.
  virtual bool MovePrevious() = 0;
  virtual void SetPosition(int32_t x, int32_t y, TPositionType type) = 0;
  virtual void GetPosition(int32_t& x, int32_t& y) = 0;
  // Selects the length characters that end at the current position and
  // moves to the selection's start.
  virtual void SelectWord(int32_t length) = 0;
  // Replaces the selection; the position goes just after the new text and
  // an end limit moves with the change in length. state says why.
  virtual void ReplaceWord(const std::string& text, int32_t state) = 0;
  // Leaves the selection and moves past it.
  virtual void IgnoreWord(TIgnoreWordState state) = 0;
  virtual void CenterSelection() = 0;
  virtual void GetCursorPosition(int32_t& x, int32_t& y) = 0;
  // Equal start and end: no selection.
  virtual void GetSelectionPosition(int32_t& startX, int32_t& startY, int32_t& endX, int32_t& endY) = 0;
  virtual void GetControlScreenPosition(TSpellRect& rect) = 0;
  virtual void GetSelectionScreenPosition(TSpellRect& rect) = 0;
  // Lets the owner keep undo data of its own for a check-run action.
  virtual void UndoLast(int32_t state, TSpellAction action, int32_t& data) = 0;
};

}  // namespace tq::spell
