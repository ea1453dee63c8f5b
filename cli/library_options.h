// Command-line options of the library commands: "--name value",
// "--name=value" and bare flags, positional words in order, "--" ending the
// options.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace tq::cli {

struct LibraryOptions {
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;

  bool Has(const std::string& name) const { return values.count(name) || flags.count(name); }
  const std::string* Value(const std::string& name) const {
    auto it = values.find(name);
    return it == values.end() ? nullptr : &it->second;
  }
};

// valueNames take a value, flagNames do not; "--help" and "-h" are always
// flags. False with *error for an unknown option or a missing value.
bool ParseLibraryOptions(const std::vector<std::string>& args, const std::set<std::string>& valueNames,
                         const std::set<std::string>& flagNames, LibraryOptions* options, std::string* error);

}  // namespace tq::cli
