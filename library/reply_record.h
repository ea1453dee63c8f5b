// One reply of a library: a record of the library table with the fields
// Category, Description, Response and HotKey, taken as plain values (the
// texts UTF-8), as the program and quillet use it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tq::library {

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

// Whether a reply text is rich text: "{\rtf1" anywhere in it, in any letter
// case (storage::IsFormattedReply).
bool IsFormattedResponse(std::string_view response);

}  // namespace tq::library
