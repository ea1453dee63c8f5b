// The layering rule of the source tree and its check: which folder's files
// may include which folder's, read from a rules file (tests/layers.txt), and
// every `#include "..."` of the tree held against it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tq::include_check {

// The rules file, one statement a line ('#' starts a comment):
//   layer FOLDER: FOLDER...     what FOLDER's files may include besides
//                               their own folder's; "*" for every layer
//   test-support FOLDER         what test files (a name with "test" as a
//                               word: x_test.cpp, test_env.h) of any layer
//                               may include as well
//   generated NAME FOLDER       a file the build writes, counted in FOLDER
//   allow FILE INCLUDED         one edge outside the rule, allowed for now
// A file belongs to the longest layer folder its path starts with.
struct Rules {
  std::map<std::string, std::set<std::string>> layers;  // folder -> may include
  std::set<std::string> testSupport;
  std::map<std::string, std::string> generated;           // name -> folder
  std::set<std::pair<std::string, std::string>> allowed;  // file, included
};

// Parses the rules text; *error names the first bad line.
bool ParseRules(const std::string& text, Rules* rules, std::string* error);

// One line of the report: "path:line: message".
struct Finding {
  std::string file;  // relative to the root, '/' separated
  int line = 0;      // 0 for a finding about the rules themselves
  std::string message;
};

// Reads every C, C++ and resource file under root (but the build trees and
// hidden folders) and returns what breaks the rules: an include of a folder
// its layer may not include, an include that names no file of the tree and
// no generated one, a file in no layer, and an allowance no include uses
// any more. Empty when the tree keeps to the rules.
std::vector<Finding> CheckTree(const std::string& root, const Rules& rules);

}  // namespace tq::include_check
