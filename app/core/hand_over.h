// The path a second instance hands to the first in its WM_COPYDATA message:
// a 260-byte zero-filled buffer holding at most 259 characters and a zero.
// The receiver reads only what the message says it carries.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tq::app {

inline constexpr size_t kHandOverBufferSize = 260;
inline constexpr size_t kHandOverMaxPath = kHandOverBufferSize - 1;

// A longer path cannot travel whole; it is refused rather than cut short.
constexpr bool FitsHandOver(std::string_view path) { return path.size() <= kHandOverMaxPath; }

// The zero-filled buffer carrying a path that fits.
std::array<char, kHandOverBufferSize> HandOverBuffer(std::string_view path);

// The path a received message carries: none when data is null or size is 0
// (the "show yourself" message); otherwise the bytes up to the first zero,
// never reading past size, even when the sender forgot the terminator.
std::optional<std::string> ReceivedHandOverPath(const void* data, size_t size);

}  // namespace tq::app
