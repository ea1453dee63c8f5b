// The path a second instance hands to the first in its WM_COPYDATA message:
// the path's UTF-8 bytes and a zero, marked as UTF-8 by the message's
// dwData. The older program sent dwData 0 and its path in the ANSI code
// page (in a 260-byte zero-filled buffer); such a message is still read, and
// said to be ANSI. The receiver reads only what the message says it carries,
// and holds a request back while it cannot serve it yet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tq::app {

// dwData of a hand-over carrying UTF-8 ("UTF8" read as a little-endian number).
inline constexpr uintptr_t kHandOverUtf8Tag = 0x38465455;

// The longest path handed over, in characters (UTF-16 units): the system's
// MAX_PATH less its zero, as the older program allowed.
inline constexpr size_t kHandOverMaxPath = 259;

// A longer path cannot be opened; it is refused rather than cut short.
bool FitsHandOver(std::string_view utf8_path);

// The bytes the message carries for a path that fits: UTF-8 and a zero.
std::string HandOverData(std::string_view utf8_path);

struct ReceivedHandOver {
  std::string path;
  bool ansi = false;  // from the older program: the path is in the ANSI code page
  bool operator==(const ReceivedHandOver&) const = default;
};

// The path a received message carries: none when data is null or size is 0
// (the "show yourself" message); otherwise the bytes up to the first zero,
// never reading past size, even when the sender forgot the terminator.
std::optional<ReceivedHandOver> ReceivedHandOverPath(uintptr_t tag, const void* data, size_t size);

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
