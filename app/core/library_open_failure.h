// Why a library file could not be opened, in words a user can act on: the
// line shown below "Error opening <path>".
#pragma once

#include <exception>
#include <string>

namespace tq::app {

// The reason behind a failure that opening a library raised: the file is
// missing, in use by another program, not accessible, or not a library file
// (with what the table found wrong with it).
std::string LibraryOpenFailureReason(const std::exception& failure);

// The whole error text: "Error opening " + path, then the reason on a line
// of its own.
std::string LibraryOpenErrorText(const std::string& path, const std::exception& failure);

}  // namespace tq::app
