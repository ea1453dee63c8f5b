// The command line of the dictionary compiler, shared by adm_compiler and
// "quillet dict compile".
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::tools {

// args: [--title TEXT] [--language LANGID] [--wide] WORDLIST OUTPUT.adm
// (texts in UTF-8). Returns 0 on success, 2 for wrong arguments, 3 when the
// dictionary could not be made.
int RunCompileCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err);

extern const char* const kCompileUsage;

}  // namespace tq::tools
