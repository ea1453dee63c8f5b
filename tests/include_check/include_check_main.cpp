// include_check ROOT RULES: prints every include of the tree under ROOT that
// breaks the layering rule in RULES (file:line: what), and fails if any does.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tests/include_check/include_rules.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Usage: include_check ROOT RULES\n");
    return 2;
  }
  std::ifstream in(argv[2]);
  if (!in) {
    std::fprintf(stderr, "include_check: cannot read %s\n", argv[2]);
    return 2;
  }
  std::stringstream text;
  text << in.rdbuf();
  tq::include_check::Rules rules;
  std::string error;
  if (!tq::include_check::ParseRules(text.str(), &rules, &error)) {
    std::fprintf(stderr, "include_check: %s: %s\n", argv[2], error.c_str());
    return 2;
  }
  const auto findings = tq::include_check::CheckTree(argv[1], rules);
  for (const auto& f : findings) {
    if (f.line > 0)
      std::printf("%s:%d: %s\n", f.file.c_str(), f.line, f.message.c_str());
    else
      std::printf("%s: %s\n", f.file.c_str(), f.message.c_str());
  }
  if (findings.empty()) std::printf("every include keeps to the layering rule\n");
  return findings.empty() ? 0 : 1;
}
