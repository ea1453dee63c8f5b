// Facts about the user and the program that the portable code needs.
#pragma once

#include <string>

namespace tq::platform {

enum class SpecialFolder { AppData, Documents };

// The logged-on user's name; empty when unknown.
std::string UserName();
// Full path of the running program file.
std::string ProgramPath();
// Folder of the running program, without a trailing separator.
std::string ProgramFolder();
// Empty when the folder is unknown.
std::string SpecialFolderPath(SpecialFolder folder);
// Replaces every %NAME% of a set environment variable with its value; text
// with no such names comes back unchanged.
std::string ExpandEnvironment(const std::string& text);

}  // namespace tq::platform
