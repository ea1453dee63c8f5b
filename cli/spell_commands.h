// "quillet suggest", "check", "pipe", "phonetic" and "cut": the spelling
// engine from scripts.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::cli {

// args: the words after the command name.
int RunSuggestCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err);
int RunSuggest(const std::vector<std::string>& args);
int RunCheckCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err);
int RunCheck(const std::vector<std::string>& args);
int RunPipeCommand(platform::Env& env, const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err);
int RunPipe(const std::vector<std::string>& args);
int RunPhoneticCommand(const std::vector<std::string>& args, FILE* out, FILE* err);
int RunPhonetic(const std::vector<std::string>& args);
int RunCutCommand(platform::Env& env, const std::vector<std::string>& args, FILE* out, FILE* err);
int RunCut(const std::vector<std::string>& args);

}  // namespace tq::cli
