#include "app/about/readme_form.h"

#include <memory>
#include <stdexcept>

#include "platform/env.h"
#include "platform/utf16.h"
#include "ui/window_place.h"

namespace tq::app {
namespace {

// The system's own words for an error code, without the trailing line break.
std::string SystemMessage(int code) {
  wchar_t text[512] = {};
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                 static_cast<DWORD>(code), 0, text, sizeof text / sizeof text[0], nullptr);
  std::string message = platform::Utf8(std::wstring_view(text, n));
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

[[noreturn]] void CannotOpen(const std::string& path, const platform::Status& status) {
  std::string message = "Cannot open file \"" + path + "\".";
  const std::string reason = status.code() > 0 ? SystemMessage(status.code()) : status.message();
  if (!reason.empty()) message += " " + reason;
  throw std::runtime_error(message);
}

std::string ReadWholeFile(const std::string& path) {
  std::unique_ptr<platform::File> file;
  platform::Status s = platform::Env::Default().OpenFile(path, platform::FileAccess::Read, platform::FileShare::Read,
                                                         platform::FileCreate::OpenExisting, &file);
  int64_t size = 0;
  if (s) s = file->Size(&size);
  std::string data;
  if (s) {
    data.resize(static_cast<size_t>(size));
    s = file->ReadExact(0, data.data(), data.size());
  }
  if (!s) CannotOpen(path, s);
  return data;
}

}  // namespace

TReadmeForm::TReadmeForm(HWND owner) {
  Create({.caption = "Important Information",
          .width = 337,
          .height = 379,
          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX,
          .owner = owner});
  ViewRichEdit.Create(*this, {0, 0, 100, 100}, {.readOnly = true, .vScroll = true, .border = false});
  ViewRichEdit.SetAlign(ui::Align::Client);
  Relayout();
  ui::Centre(*this, owner);
  // A little room between the text and the window's edges.
  ViewRichEdit.Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(Scale(6), Scale(6)));
}

TReadmeForm::~TReadmeForm() = default;

void TReadmeForm::LoadFile(const std::string& path) { ViewRichEdit.SetRTFText(ReadWholeFile(path)); }

}  // namespace tq::app
