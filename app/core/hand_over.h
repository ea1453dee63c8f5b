// The path a second instance hands to the first in its WM_COPYDATA message:
// a 260-byte zero-filled buffer holding at most 259 characters and a zero.
// The receiver reads only what the message says it carries, and holds a
// request back while it cannot serve it yet.
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

// What a second start asks for: the window shown, or a library opened.
enum class HandOverRequest { Show, OpenLibrary };

// Whether the first instance keeps a request until later rather than serving
// it now. Before the start-up has run to its end (it waits in the splash or
// the tray reminder) both wait: the start-up has yet to open its own library
// and show what it shows. A library also waits while a dialog of the main
// window is open, since the dialog works on the open table; the window can
// be shown then.
bool HandOverWaits(HandOverRequest request, bool started, bool dialog_open);

}  // namespace tq::app
