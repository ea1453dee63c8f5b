#include "app/library_check_form.h"

#include "app/reply_text_view.h"
#include "ui/window_place.h"

namespace tq::app {

TLibraryCheckForm::TLibraryCheckForm(HWND owner) {
  Create({.caption = "Check Spelling of All Replies",
          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
          .exStyle = WS_EX_DLGMODALFRAME,
          .owner = owner});
  ui::SetClientSizeCentred(*this, Scale(420), Scale(220), owner);
  ReplyText.Create(*this, {0, 0, 420, 220});
  ReplyText.SetAlign(ui::Align::Client);
}

TLibraryCheckForm::~TLibraryCheckForm() = default;

void TLibraryCheckForm::ShowReply(const std::string& response, const std::string& caption) {
  ShowReplyText(ReplyText, response);
  SetText(caption);
}

}  // namespace tq::app
