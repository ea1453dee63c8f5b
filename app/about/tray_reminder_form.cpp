#include "app/about/tray_reminder_form.h"

#include "app/core/dialog_captions.h"
#include "app/resources/picture_ids.h"
#include "ui/window_place.h"

namespace tq::app {
namespace {

constexpr char kReminderText[] =
    "The application will be hidden in the system tray (the area on the taskbar near the clock) for easy access at "
    "any time.  To activate it either press the hotkey you define or double click the icon in the system tray.";

}  // namespace

TTrayReminderForm::TTrayReminderForm(HWND owner) {
  Create({.caption = "Reminder",
          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
          .exStyle = WS_EX_DLGMODALFRAME,
          .owner = owner});
  // OK first: it has the focus when the window opens, so Enter closes it.
  OKBtn.Create(*this, {338, 98, 75, 25}, TrayReminderCaptions::Ok,
               {.id = IDOK, .isDefault = true, .modalResult = ui::mrOk});
  ReminderImage.Create(*this, 8, 8);
  ReminderImage.Load(TQ_REMINDER_PICTURE);
  ReminderImage.ScaleFor(Dpi());
  TextLabel.Create(*this, {133, 8, 280, 84}, kReminderText, {.noPrefix = true});
  ShowCheck.Create(*this, {133, 101, 190, 19}, TrayReminderCaptions::ShowAgain);
  ShowCheck.SetChecked(true);
  ui::SetClientSizeCentred(*this, Scale(421), Scale(131), nullptr);
}

TTrayReminderForm::~TTrayReminderForm() = default;

}  // namespace tq::app
