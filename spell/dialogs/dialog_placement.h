// Where the spell-check dialog goes: kept on its monitor, moved beside the
// checked control, or out of the way of the word being checked. The
// arithmetic works on plain rectangles (screen pixels) so it can be checked
// without windows; AdjustDialogToRect and AdjustDialogPosition apply it to a
// form on the monitor that holds it.
#pragma once

#include <windows.h>

#include <optional>

namespace tq::ui {
class Form;
}

namespace tq::spell {

// (x, y) for a dialog of size width × height, pulled inside the monitor: up
// to its left and top edges first, then back from its right and bottom edges,
// so a dialog larger than the monitor ends at the right and bottom edges.
POINT DialogPositionInside(const RECT& monitor, int width, int height, int x, int y);

// The dialog at `dialog` moved below `word` (above it when there is no room
// below) and to the word's left edge, as asked; not yet pulled inside.
POINT DialogPositionForRect(const RECT& monitor, const RECT& dialog, const RECT& word, bool horizontal, bool vertical);

// The first place beside the control where a dialog of this size fits on the
// monitor: below, right, above, left; none when no place fits.
std::optional<POINT> DialogPositionBesideControl(const RECT& monitor, const RECT& control, int width, int height);

// The full rectangle of the monitor that holds the form.
RECT MonitorRectOf(const ui::Form& form);
void AdjustDialogToRect(ui::Form& form, const RECT& rect, bool horizontal, bool vertical);
void AdjustDialogPosition(ui::Form& form, int x, int y);

}  // namespace tq::spell
