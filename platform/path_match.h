// Wildcard matching of file names, as the file-search functions do it.
#pragma once

#include <string_view>

namespace tq::platform {

// '*' matches any run of characters, '?' exactly one; ASCII letters compare
// without regard to case.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace tq::platform
