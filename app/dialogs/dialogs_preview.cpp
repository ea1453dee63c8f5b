// Shows one of the dialogs with sample contents for a few seconds, so it can
// be looked at (and photographed) without the main window:
//   dialogs_preview reply|reply-new|reply-wide|config|config-options|config-pasting [seconds]
#include <windows.h>

#include <cstdlib>
#include <string>

#include "app/dialogs/config_form.h"
#include "app/dialogs/reply_prop_form.h"
#include "library/reply_library.h"
#include "platform/utf16.h"
#include "storage/reply_layout.h"
#include "ui/application.h"
#include "ui/test_host.h"

namespace {

constexpr char kSampleRtf[] =
    "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue160;}\\f0\\fs20 Dear "
    "customer,\\par\\par Thank you for your order. {\\b Your parcel left our warehouse today} and should "
    "reach you within {\\cf1 three working days}.\\par\\par Kind regards,\\par The Support Team\\par}";

void RunFor(int seconds) {
  tq::ui::testing::PumpUntil([] { return false; }, std::chrono::seconds(seconds));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string which = __argc > 1 ? __argv[1] : "reply";
  const int seconds = __argc > 2 ? std::atoi(__argv[2]) : 5;
  tq::ui::Application app("Tavrin Quillet");
  if (which.rfind("config", 0) == 0) {
    tq::app::ConfigValues values;
    values.MainHotKey = 0x4000 | 'Q';
    values.MenuHotKey = 0x6000 | 'M';
    values.PasteMethods = {{tq::app::PasteMethodRule::Match::Program, "oldnotes.exe", tq::app::PasteMethod::TypeText}};
    tq::app::TConfigForm form(app.Handle(), values);
    form.Show();
    if (which == "config-options") form.PageControl.SetActivePage(1);
    if (which == "config-pasting") form.PageControl.SetActivePage(2);
    RunFor(seconds);
    return 0;
  }
  wchar_t dir[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, dir);
  const std::string path = tq::platform::Utf8(dir) + "tq_dialogs_preview.qdk";
  {
    tq::storage::TBinaryDataSet table;
    tq::library::CreateReplyTable(table, path);
    tq::library::OpenReplyTable(table, path);
    table.Append();
    if (which != "reply-new") {  // reply-new: an empty reply, as Add makes it
      table.FieldByName(tq::storage::kCategoryField).SetAsString("Orders");
      table.FieldByName(tq::storage::kDescriptionField).SetAsString("Parcel sent");
      table.FieldByName(tq::storage::kResponseField).SetAsString(kSampleRtf);
      table.FieldByName(tq::storage::kHotKeyField).SetAsInteger(0x6000 | 'P');
    }
    tq::app::TReplyPropForm form(table, {.owner = app.Handle(), .categories = {"Billing", "Orders", "Support"}});
    if (which == "reply-wide") {
      const tq::ui::Rect r = form.Bounds();
      SetWindowPos(form.Handle(), nullptr, r.x - 100, r.y - 60, r.width + 200, r.height + 120, SWP_NOZORDER);
    }
    form.Show();
    RunFor(seconds);
    table.Cancel();
    table.Close();
  }
  DeleteFileW(tq::platform::Wide(path).c_str());
  return 0;
}
