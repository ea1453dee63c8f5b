#include "tests/include_check/include_rules.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/temp_dir.h"

namespace tq::include_check {
namespace {

// A tiny tree of three layers, low to high: base, mid, top.
constexpr char kRules[] = R"(# the fixture's rule
layer base:
layer mid: base
layer mid/core: base   # a sub-layer of its own
layer top: mid base
test-support testing
layer testing: base
generated version.h top
)";

class IncludeRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ParseRules(kRules, &rules, &error)) << error;
    Write("base/file.h", "#pragma once\n");
    Write("mid/model.h", "#include \"base/file.h\"\n#include <vector>\n");
    Write("mid/core/rule.h", "#include \"base/file.h\"\n");
    Write("top/main.cpp", "#include \"mid/model.h\"\n#include \"version.h\"\n#include \"local.h\"\n");
    Write("top/local.h", "// beside main.cpp\n");
    Write("testing/support.h", "#include \"base/file.h\"\n");
    Write("mid/model_test.cpp", "#include \"mid/model.h\"\n#include \"testing/support.h\"\n");
    // Not part of the tree: build output and hidden folders.
    Write("build/gen/x.h", "#include \"top/main.cpp\"\n");
    Write(".git/x.h", "#include \"top/main.cpp\"\n");
  }

  void Write(const std::string& path, const std::string& text) {
    const std::filesystem::path p = std::filesystem::path(dir.path()) / path;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << text;
  }

  std::vector<std::string> Check() {
    std::vector<std::string> lines;
    for (const Finding& f : CheckTree(dir.path(), rules))
      lines.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
    return lines;
  }

  testing::TempDir dir;
  Rules rules;
};

TEST_F(IncludeRulesTest, ATreeThatKeepsToTheRulePasses) { EXPECT_EQ(Check(), std::vector<std::string>{}); }

// Each case adds one file to the tree that keeps to the rule; the check
// names exactly that file, its line and the edge.
TEST_F(IncludeRulesTest, AnEdgeOutsideTheRuleIsNamedWithItsFileAndLine) {
  struct Case {
    const char* path;
    const char* text;
    const char* finding;
  } cases[] = {
      {"base/up.h", "#pragma once\n#include \"mid/model.h\"\n",
       "base/up.h:2: includes \"mid/model.h\": base -> mid is not an edge of the layering rule"},
      {"mid/core/up.cpp", "  #  include \"mid/model.h\"\n",
       "mid/core/up.cpp:1: includes \"mid/model.h\": mid/core -> mid is not an edge of the layering rule"},
      {"mid/skip.cpp", "#include \"top/local.h\"\n",
       "mid/skip.cpp:1: includes \"top/local.h\": mid -> top is not an edge of the layering rule"},
      // Test support only for test files.
      {"mid/helper.h", "#include \"testing/support.h\"\n",
       "mid/helper.h:1: includes \"testing/support.h\": mid -> testing is not an edge of the layering rule"},
      {"base/version_user.cpp", "#include \"version.h\"\n",
       "base/version_user.cpp:1: includes \"version.h\": base -> top is not an edge of the layering rule"},
      {"mid/typo.cpp", "#include \"base/fiel.h\"\n",
       "mid/typo.cpp:1: includes \"base/fiel.h\", which is no file of the tree"},
      {"stray/x.cpp", "#include \"base/file.h\"\n", "stray/x.cpp:0: is in no layer of the rules"},
  };
  for (const Case& c : cases) {
    Write(c.path, c.text);
    EXPECT_EQ(Check(), std::vector<std::string>{c.finding}) << c.path;
    std::filesystem::remove(std::filesystem::path(dir.path()) / c.path);
  }
}

TEST_F(IncludeRulesTest, AnAllowanceCoversOneEdgeAndMustStillBeUsed) {
  Write("base/up.h", "#include \"mid/model.h\"\n#include \"top/local.h\"\n");
  rules.allowed.insert({"base/up.h", "mid/model.h"});
  EXPECT_EQ(Check(), std::vector<std::string>{
                         "base/up.h:2: includes \"top/local.h\": base -> top is not an edge of the layering rule"});
  Write("base/up.h", "#pragma once\n");
  EXPECT_EQ(Check(),
            std::vector<std::string>{
                "base/up.h:0: is allowed to include \"mid/model.h\" but no longer does: remove the allowance"});
}

TEST(IncludeRules, ABadLineIsNamed) {
  Rules rules;
  std::string error;
  EXPECT_FALSE(ParseRules("layer a: b\nlayer c d\n", &rules, &error));
  EXPECT_EQ(error, "line 2: cannot read \"layer c d\"");
  EXPECT_FALSE(ParseRules("allow only-one\n", &rules, &error));
}

}  // namespace
}  // namespace tq::include_check
