// "quillet dict": compile, inspect and query dictionary files from scripts.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::cli {

// args: the words after "dict". Words and texts are UTF-8 on the command
// line and in the output; the files hold Windows-1252.
int RunDictCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err);
int RunDict(const std::vector<std::string>& args);

}  // namespace tq::cli
