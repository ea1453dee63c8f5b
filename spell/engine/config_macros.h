// The macros of the spelling configuration's names and paths: %AppName%,
// %UserName%, %AppDir%, %AppData%, %MyDocuments% (and %ConfigID%, which the
// engine component expands), then environment variables. Each macro is
// replaced at its first occurrence only.
#pragma once

#include <string>
#include <string_view>

#include "platform/env.h"
#include "spell/engine/system_facts.h"

namespace tq::spell {

// text with the first occurrence of find replaced (letter case must match).
std::string ReplaceString(std::string_view find, std::string_view replacement, std::string text);
// %AppName% and %UserName%.
std::string ExpandFixedVars(const std::string& text, const TSystemFacts& facts);
// %AppDir%, %AppData%, %MyDocuments%, then environment variables.
std::string ExpandChangingVars(const std::string& text, const TSystemFacts& facts);
std::string ExpandBasicVars(const std::string& text, const TSystemFacts& facts);

std::string AdExcludeTrailingBackslash(std::string path);
// Creates folder and its missing parents; failures are ignored.
void ADForceDirectories(platform::Env& env, const std::string& folder);
// The folder part of a path ("" without one), without a trailing separator.
std::string ExtractFileDir(const std::string& path);
// The name part of a path.
std::string ExtractFileName(const std::string& path);

}  // namespace tq::spell
