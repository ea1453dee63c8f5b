#include "app/core/hand_over.h"

#include <algorithm>

#include "platform/utf16.h"

namespace tq::app {

bool FitsHandOver(std::string_view utf8_path) {
  // Most paths are short ASCII: a UTF-8 byte count within the limit is
  // within it in UTF-16 units too.
  return utf8_path.size() <= kHandOverMaxPath || platform::Utf8ToUtf16(utf8_path).size() <= kHandOverMaxPath;
}

std::string HandOverData(std::string_view utf8_path) {
  std::string data(utf8_path);
  data.push_back('\0');
  return data;
}

std::optional<ReceivedHandOver> ReceivedHandOverPath(uintptr_t tag, const void* data, size_t size) {
  if (data == nullptr || size == 0) return std::nullopt;
  const char* bytes = static_cast<const char*>(data);
  const char* end = std::find(bytes, bytes + size, '\0');
  return ReceivedHandOver{std::string(bytes, end), tag != kHandOverUtf8Tag};
}

bool HandOverWaits(HandOverRequest request, bool started, bool dialog_open) {
  if (!started) return true;
  return request == HandOverRequest::OpenLibrary && dialog_open;
}

}  // namespace tq::app
