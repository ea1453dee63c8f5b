// "quillet check --library FILE.qdk": the spelling of every reply of a
// library, reported per reply (index, description, word, suggestions) as
// the program's "Check Spelling of All Replies" finds it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::cli {

// Whether the check's arguments ask for a library.
bool NamesLibrary(const std::vector<std::string>& args);
int RunLibraryCheckCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err);
// "check": a library with --library, a text file otherwise.
int RunCheckFileOrLibrary(const std::vector<std::string>& args);

}  // namespace tq::cli
