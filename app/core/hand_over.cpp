#include "app/core/hand_over.h"

#include <algorithm>
#include <cstring>

namespace tq::app {

std::array<char, kHandOverBufferSize> HandOverBuffer(std::string_view path) {
  std::array<char, kHandOverBufferSize> buffer{};
  std::memcpy(buffer.data(), path.data(), std::min(path.size(), kHandOverMaxPath));
  return buffer;
}

std::optional<std::string> ReceivedHandOverPath(const void* data, size_t size) {
  if (data == nullptr || size == 0) return std::nullopt;
  const char* bytes = static_cast<const char*>(data);
  const char* end = std::find(bytes, bytes + size, '\0');
  return std::string(bytes, end);
}

bool HandOverWaits(HandOverRequest request, bool started, bool dialog_open) {
  if (!started) return true;
  return request == HandOverRequest::OpenLibrary && dialog_open;
}

}  // namespace tq::app
