#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/system_info.h"

namespace tq::platform {

// The system's text is bytes, the same in either encoding.

std::string UserName(PathEncoding) {
  if (const passwd* pw = getpwuid(geteuid())) return pw->pw_name;
  const char* u = std::getenv("USER");
  return u ? u : "";
}

std::string ProgramPath(PathEncoding) {
  std::vector<char> buf(4096);
  ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  return n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string();
}

std::string ProgramFolder(PathEncoding) {
  std::string path = ProgramPath();
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string SpecialFolderPath(SpecialFolder folder, PathEncoding) {
  const char* home = std::getenv("HOME");
  if (!home) return "";
  if (folder == SpecialFolder::AppData) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    return xdg && *xdg ? xdg : std::string(home) + "/.config";
  }
  return std::string(home) + "/Documents";
}

std::string ExpandEnvironment(const std::string& text, PathEncoding) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    size_t close = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
    if (close != std::string::npos) {
      std::string name = text.substr(i + 1, close - i - 1);
      if (const char* v = name.empty() ? nullptr : std::getenv(name.c_str())) {
        out += v;
        i = close + 1;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

}  // namespace tq::platform
