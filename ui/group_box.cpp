#include "ui/group_box.h"

namespace tq::ui {

void GroupBox::Create(Wnd& parent, const Rect& bounds, std::string_view caption) {
  CreateControl(parent, L"BUTTON", bounds, caption, BS_GROUPBOX);
  // Controls clip their siblings above them: at the bottom of the order the
  // frame never hides the controls it encloses.
  SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace tq::ui
