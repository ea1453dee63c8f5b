#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>

#include "platform/command_line.h"
#include "platform/win_text.h"

namespace tq::platform {

namespace {

struct LocalFreeDeleter {
  void operator()(LPWSTR* p) const { LocalFree(p); }
};

}  // namespace

// argc and argv are the C runtime's reading of the same command line, in the
// ANSI code page: used only if the system cannot split the wide one.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int n = 0;
  std::unique_ptr<LPWSTR, LocalFreeDeleter> wide(CommandLineToArgvW(GetCommandLineW(), &n));
  std::vector<std::string> args;
  if (!wide) {
    for (int i = 1; i < argc; ++i) {
      std::wstring w;
      ToWide(argv[i], CP_ACP, &w);
      args.push_back(FromWide(w, CP_UTF8));
    }
    return args;
  }
  for (int i = 1; i < n; ++i) args.push_back(FromWide(wide.get()[i], CP_UTF8));
  return args;
}

}  // namespace tq::platform
