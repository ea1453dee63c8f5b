#include "app/core/start_with_windows.h"

#include "app/core/app_identity.h"
#include "app/core/text_case.h"

namespace tq::app {
namespace {

// The program file a command line starts: the quoted first part, or else
// the text before the first blank that leaves the name of a ".exe".
std::string ProgramOfCommand(const std::string& command) {
  const size_t start = command.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  if (command[start] == '"') {
    const size_t end = command.find('"', start + 1);
    return command.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
  }
  const std::string rest = command.substr(start);
  const std::string lower = LowerCase(rest);
  const size_t exe = lower.find(".exe");
  if (exe != std::string::npos && (exe + 4 == lower.size() || lower[exe + 4] == ' ')) return rest.substr(0, exe + 4);
  return rest.substr(0, rest.find(' '));
}

}  // namespace

std::string RunCommand(const std::string& programPath) { return "\"" + programPath + "\""; }

bool StartsWithWindows(platform::KeyStore& keys, const std::string& programPath) {
  auto key = keys.Open(platform::KeyRoot::CurrentUser, std::string(RunKeyPath), false);
  if (!key) return false;
  const auto command = key->ReadString(std::string(ApplicationTitle));
  return command && SameTextIgnoringCase(ProgramOfCommand(*command), programPath);
}

bool SetStartWithWindows(platform::KeyStore& keys, const std::string& programPath, bool start) {
  auto key = keys.Open(platform::KeyRoot::CurrentUser, std::string(RunKeyPath), start);
  if (!key) return !start;
  const std::string name(ApplicationTitle);
  if (start) return key->WriteString(name, RunCommand(programPath));
  return !key->ValueExists(name) || key->DeleteValue(name);
}

}  // namespace tq::app
