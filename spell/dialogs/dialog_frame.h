// The frame every spelling options and dictionary dialog shares: a bordered
// dialog with a close box, the given client size in layout pixels, centred
// over the window it was opened from.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/form.h"

namespace tq::spell {

void CreateSpellingForm(ui::Form& form, HWND owner, int clientWidth, int clientHeight);

// Shows `button` as the form's default button or not (Enter presses the
// button whose id is IDOK while the focus is in a control that leaves Enter
// to the dialog).
void SetDefaultButton(HWND button, bool isDefault);

}  // namespace tq::spell
