// Access keys: the letter after "&" in a caption, which Alt (or, inside an
// open menu, the letter alone) chooses. Two captions reachable at once with
// the same key make one of them unreachable by keyboard, or worse, the key
// of one control presses another (Alt+O pressing OK instead of showing the
// Other Options page), so every dialog's captions are checked for clashes.
// Captions are UTF-8; a key is a whole character (a code point), never one
// byte of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq::ui::core {

// The character after a caption's first lone "&" ("&&" shows a literal "&"),
// or none. A trailing "&" marks nothing. A byte that begins no well-formed
// UTF-8 character stands for the Latin-1 character of its value, so text in
// a single-byte code page still has keys, if not always the right ones.
std::optional<char32_t> AccessKey(std::string_view caption);

// The key as the system compares it: a letter of the Latin, Greek or
// Cyrillic alphabets folded to its capital; any other character unchanged.
char32_t FoldAccessKey(char32_t key);

// Whether `typed` (a character as WM_SYSCHAR or WM_MENUCHAR of a wide window
// brings it) chooses the caption.
bool MatchesAccessKey(std::string_view caption, char32_t typed);

struct AccessKeyClash {
  char32_t key;                       // folded
  std::vector<std::string> captions;  // every caption with that key, in the given order
  bool operator==(const AccessKeyClash&) const = default;
};

// The keys that more than one of `captions` share, in the order in which
// each clash's first caption comes.
std::vector<AccessKeyClash> AccessKeyClashes(const std::vector<std::string>& captions);
// For callers written when captions were in a Windows code page: the code
// page no longer changes anything, the captions being UTF-8.
std::vector<AccessKeyClash> AccessKeyClashes(const std::vector<std::string>& captions, int codePage);

// The captions that have no access key, in order.
std::vector<std::string> CaptionsWithoutAccessKey(const std::vector<std::string>& captions);

}  // namespace tq::ui::core
