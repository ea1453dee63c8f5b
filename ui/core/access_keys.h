// Access keys: the letter after "&" in a caption, which Alt (or, inside an
// open menu, the letter alone) chooses. Two captions reachable at once with
// the same key make one of them unreachable by keyboard, or worse, the key
// of one control presses another (Alt+O pressing OK instead of showing the
// Other Options page), so every dialog's captions are checked for clashes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tq::ui::core {

// The character after a caption's first lone "&" ("&&" shows a literal "&"),
// or none. A trailing "&" marks nothing.
std::optional<char> AccessKey(std::string_view caption);

// The key as the system compares it: folded to capitals in the given
// Windows code page (1250, 1251 or 1252; other code pages fold ASCII only).
char FoldAccessKey(char key, int codePage = 1252);

// Whether `typed` (a character as WM_SYSCHAR or WM_MENUCHAR brings it)
// chooses the caption.
bool MatchesAccessKey(std::string_view caption, char typed, int codePage = 1252);

struct AccessKeyClash {
  char key;                           // folded
  std::vector<std::string> captions;  // every caption with that key, in the given order
  bool operator==(const AccessKeyClash&) const = default;
};

// The keys that more than one of `captions` share, in the order in which
// each clash's first caption comes.
std::vector<AccessKeyClash> AccessKeyClashes(const std::vector<std::string>& captions, int codePage = 1252);

// The captions that have no access key, in order.
std::vector<std::string> CaptionsWithoutAccessKey(const std::vector<std::string>& captions);

}  // namespace tq::ui::core
