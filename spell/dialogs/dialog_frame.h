// The frame every spelling options and dictionary dialog shares: a bordered
// dialog with a close box, the given client size in layout pixels, centred
// over the window it was opened from.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

#include "ui/form.h"

namespace tq::spell {

void CreateSpellingForm(ui::Form& form, HWND owner, int clientWidth, int clientHeight);

// Shows `button` as the form's default button or not (Enter presses the
// button whose id is IDOK while the focus is in a control that leaves Enter
// to the dialog).
void SetDefaultButton(HWND button, bool isDefault);

// Widens a column of buttons to the widest of their captions in the language
// shown, keeping the column's right edge; the controls `beside` it on the
// left give up that width.
void FitButtonColumn(std::initializer_list<ui::Wnd*> column, std::initializer_list<ui::Wnd*> beside);

}  // namespace tq::spell
