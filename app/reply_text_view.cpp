#include "app/reply_text_view.h"

#include <algorithm>

#include "storage/reply_layout.h"
#include "storage/reply_text_codec.h"

namespace tq::app {

std::string RtfBytesOf(std::string_view rtf) {
  const bool ascii = std::all_of(rtf.begin(), rtf.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return std::string(rtf);
  // The codec stores a rich reply's RTF just so.
  return storage::EncodeReplyTexts({{}, {}, std::string(rtf)}).response;
}

void ShowReplyText(ui::RichEdit& edit, std::string_view response) {
  const std::string stored(response.substr(0, response.find('\0')));
  if (storage::IsFormattedReply(stored) && edit.SetRtf(RtfBytesOf(stored))) return;
  edit.SetPlainText(stored);
}

}  // namespace tq::app
