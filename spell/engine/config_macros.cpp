#include "spell/engine/config_macros.h"

namespace tq::spell {

namespace {

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string ProgramName(const TSystemFacts& facts) {
  std::string name = ExtractFileName(facts.ProgramPath());
  if (size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);
  return name;
}

}  // namespace

std::string ReplaceString(std::string_view find, std::string_view replacement, std::string text) {
  if (find.empty()) return text;
  if (size_t at = text.find(find); at != std::string::npos) text.replace(at, find.size(), replacement);
  return text;
}

std::string ExtractFileDir(const std::string& path) {
  const size_t at = LastSeparator(path);
  return at == std::string::npos ? std::string() : AdExcludeTrailingBackslash(path.substr(0, at));
}

std::string ExtractFileName(const std::string& path) {
  const size_t at = LastSeparator(path);
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string AdExcludeTrailingBackslash(std::string path) {
  // A root such as "/" or "C:\" keeps its separator.
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/') && !(path.size() == 3 && path[1] == ':'))
    path.pop_back();
  return path;
}

void ADForceDirectories(platform::Env& env, const std::string& folder) {
  if (!folder.empty()) env.CreateDirectories(AdExcludeTrailingBackslash(folder));
}

std::string ExpandFixedVars(const std::string& text, const TSystemFacts& facts) {
  std::string out = ReplaceString("%AppName%", ProgramName(facts), text);
  if (out.find("%UserName%") != std::string::npos) {
    std::string user = facts.UserName();
    if (user.size() > 256) user.resize(256);
    if (user.empty()) user = "default";
    out = ReplaceString("%UserName%", user, std::move(out));
  }
  return out;
}

std::string ExpandChangingVars(const std::string& text, const TSystemFacts& facts) {
  const std::string appDir = ExtractFileDir(facts.ProgramPath());
  std::string out = ReplaceString("%AppDir%", appDir, text);
  if (out.find("%AppData%") != std::string::npos) {
    std::string appData = AdExcludeTrailingBackslash(facts.SpecialFolder(platform::SpecialFolder::AppData));
    out = ReplaceString("%AppData%", appData.empty() ? appDir : appData, std::move(out));
  }
  if (out.find("%MyDocuments%") != std::string::npos)
    out = ReplaceString("%MyDocuments%", facts.SpecialFolder(platform::SpecialFolder::Documents), std::move(out));
  return facts.ExpandEnvironment(out);
}

std::string ExpandBasicVars(const std::string& text, const TSystemFacts& facts) {
  return ExpandChangingVars(ExpandFixedVars(text, facts), facts);
}

}  // namespace tq::spell
