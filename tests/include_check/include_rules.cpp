#include "tests/include_check/include_rules.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace tq::include_check {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::string Trimmed(std::string folder) {
  while (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder;
}

// The layer folder a path belongs to: the longest that starts it.
std::string LayerOf(const Rules& rules, const std::string& path) {
  std::string best;
  for (const auto& [folder, _] : rules.layers)
    if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/' &&
        folder.size() > best.size())
      best = folder;
  return best;
}

bool IsTestFile(const std::string& path) {
  static const std::regex kTest("(^|_)test(_|\\.|$)");
  return std::regex_search(fs::path(path).filename().string(), kTest);
}

bool IsSource(const fs::path& p) {
  static const std::set<std::string> kExtensions = {".h", ".hpp", ".c", ".cc", ".cpp", ".inc", ".rc"};
  return kExtensions.count(p.extension().string()) > 0;
}

}  // namespace

bool ParseRules(const std::string& text, Rules* rules, std::string* error) {
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    line = line.substr(0, line.find('#'));
    std::vector<std::string> w = Words(line);
    if (w.empty()) continue;
    const std::string& kind = w[0];
    bool ok = true;
    if (kind == "layer" && w.size() >= 2 && w[1].size() > 1 && w[1].back() == ':') {
      std::set<std::string>& may = rules->layers[Trimmed(w[1].substr(0, w[1].size() - 1))];
      for (size_t i = 2; i < w.size(); ++i) may.insert(Trimmed(w[i]));
    } else if (kind == "test-support" && w.size() == 2) {
      rules->testSupport.insert(Trimmed(w[1]));
    } else if (kind == "generated" && w.size() == 3) {
      rules->generated[w[1]] = Trimmed(w[2]);
    } else if (kind == "allow" && w.size() == 3) {
      rules->allowed.insert({w[1], w[2]});
    } else {
      ok = false;
    }
    if (!ok) {
      *error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
      return false;
    }
  }
  return true;
}

std::vector<Finding> CheckTree(const std::string& rootText, const Rules& rules) {
  const fs::path root(rootText);
  std::vector<std::string> files;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
    const std::string name = it->path().filename().string();
    const bool buildTree = it.depth() == 0 && name.rfind("build", 0) == 0;
    if (it->is_directory() && (name.starts_with(".") || buildTree)) {
      it.disable_recursion_pending();
      continue;
    }
    if (it->is_regular_file() && IsSource(it->path())) files.push_back(fs::relative(it->path(), root).generic_string());
  }
  std::sort(files.begin(), files.end());

  std::vector<Finding> findings;
  std::set<std::pair<std::string, std::string>> allowanceUsed;
  static const std::regex kInclude("^\\s*#\\s*include\\s*\"([^\"]+)\"");
  for (const std::string& file : files) {
    const std::string from = LayerOf(rules, file);
    if (from.empty()) {
      findings.push_back({file, 0, "is in no layer of the rules"});
      continue;
    }
    std::ifstream in(root / file);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
      ++number;
      std::smatch m;
      if (!std::regex_search(line, m, kInclude)) continue;
      const std::string included = m[1];
      std::string to;
      if (fs::is_regular_file(root / included)) {
        to = LayerOf(rules, fs::path(included).lexically_normal().generic_string());
      } else if (fs::is_regular_file((root / file).parent_path() / included)) {
        to = from;  // beside the file
      } else if (auto g = rules.generated.find(included); g != rules.generated.end()) {
        to = g->second;
      } else {
        findings.push_back({file, number, "includes \"" + included + "\", which is no file of the tree"});
        continue;
      }
      if (to == from) continue;
      if (!to.empty()) {
        const std::set<std::string>& may = rules.layers.at(from);
        if (may.count(to) || may.count("*")) continue;
        if (IsTestFile(file) && rules.testSupport.count(to)) continue;
      }
      if (rules.allowed.count({file, included})) {
        allowanceUsed.insert({file, included});
        continue;
      }
      findings.push_back({file, number,
                          "includes \"" + included + "\": " + from + " -> " + (to.empty() ? "(no layer)" : to) +
                              " is not an edge of the layering rule"});
    }
  }
  for (const auto& allowance : rules.allowed)
    if (!allowanceUsed.count(allowance))
      findings.push_back(
          {allowance.first, 0,
           "is allowed to include \"" + allowance.second + "\" but no longer does: remove the allowance"});
  return findings;
}

}  // namespace tq::include_check
