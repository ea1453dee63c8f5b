// One reply as the main window uses it: a record of the library table with
// the fields Category, Description, Response and HotKey, taken as plain
// values; and the two facts derived from a record alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tq::app {

// Field sizes in characters, in the table's field order.
inline constexpr int kCategorySize = 32;
inline constexpr int kDescriptionSize = 32;
inline constexpr int kResponseSize = 4096;

struct ReplyRecord {
  std::string Category;
  std::string Description;
  std::string Response;  // plain text or RTF
  int32_t HotKey = 0;    // packed hotkey value, 0 for none
};

// Whether a stored reply text is rich text: "{\rtf1" anywhere in it, in any
// letter case.
bool IsFormattedResponse(std::string_view response);

// The reply's text in the tree and the popup menu: its Description, followed
// by " (" + HotKeyText + ")" when show_hotkey is on and it has a hotkey that
// has a text.
std::string ReplyNodeText(const ReplyRecord& record, bool show_hotkey);

}  // namespace tq::app
