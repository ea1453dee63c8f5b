// Facts about the user and the program that the portable code needs, as
// text in the caller's encoding.
#pragma once

#include <string>

#include "platform/path_encoding.h"

namespace tq::platform {

enum class SpecialFolder { AppData, Documents };

// The logged-on user's name; empty when unknown.
std::string UserName(PathEncoding encoding = PathEncoding::Utf8);
// Full path of the running program file.
std::string ProgramPath(PathEncoding encoding = PathEncoding::Utf8);
// Folder of the running program, without a trailing separator.
std::string ProgramFolder(PathEncoding encoding = PathEncoding::Utf8);
// Empty when the folder is unknown.
std::string SpecialFolderPath(SpecialFolder folder, PathEncoding encoding = PathEncoding::Utf8);
// Replaces every %NAME% of a set environment variable with its value; text
// with no such names comes back unchanged.
std::string ExpandEnvironment(const std::string& text, PathEncoding encoding = PathEncoding::Utf8);

}  // namespace tq::platform
