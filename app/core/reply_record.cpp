#include "app/core/reply_record.h"

#include "app/core/hotkey_text.h"
#include "app/core/hotkey_value.h"
#include "app/core/text_case.h"

namespace tq::app {

bool IsFormattedResponse(std::string_view response) { return LowerCase(response).find("{\\rtf1") != std::string::npos; }

std::string ReplyNodeText(const ReplyRecord& record, bool show_hotkey) {
  if (!show_hotkey || HotKeyBits(static_cast<uint32_t>(record.HotKey)) == 0) return record.Description;
  std::string key = HotKeyText(static_cast<uint32_t>(record.HotKey));
  // A key the keyboard layout cannot name would leave an empty " ()".
  if (key.empty()) return record.Description;
  return record.Description + " (" + key + ")";
}

}  // namespace tq::app
