#include "app/about/escape_closes_form.h"

namespace tq::app {

bool EscapeClosesForm::OnCommand(int id, int, HWND) {
  if (id != IDCANCEL) return false;
  Close();
  return true;
}

}  // namespace tq::app
