#include "cli/library_options.h"

namespace tq::cli {

bool ParseLibraryOptions(const std::vector<std::string>& args, const std::set<std::string>& valueNames,
                         const std::set<std::string>& flagNames, LibraryOptions* options, std::string* error) {
  *options = LibraryOptions();
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.size() < 2 || a[0] != '-' || (a[1] != '-' && a != "-h")) {
      options->positional.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsEnded = true;
      continue;
    }
    if (a == "--help" || a == "-h") {
      options->flags.insert("--help");
      continue;
    }
    const size_t eq = a.find('=');
    const std::string name = a.substr(0, eq);
    if (valueNames.count(name)) {
      if (eq != std::string::npos) {
        options->values[name] = a.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        options->values[name] = args[++i];
      } else {
        *error = "option " + name + " needs a value";
        return false;
      }
    } else if (flagNames.count(name) && eq == std::string::npos) {
      options->flags.insert(name);
    } else {
      *error = "unknown option " + a;
      return false;
    }
  }
  return true;
}

}  // namespace tq::cli
