#include "platform/path_match.h"

#include <gtest/gtest.h>

namespace tq::platform {
namespace {

TEST(MatchesPattern, Cases) {
  struct Row {
    const char* name;
    const char* pattern;
    bool matches;
  } rows[] = {
      {"American.adm", "*.adm", true}, {"american.ADM", "*.adm", true}, {"x.adu", "*.adm", false},
      {"a.adm.bak", "*.adm", false},   {"abc", "a?c", true},            {"ac", "a?c", false},
      {"anything", "*", true},         {"", "*", true},                 {"a.b.c", "*.*", true},
      {"aXbYc", "a*b*c", true},        {"aXbY", "a*b*c", false},
  };
  for (const Row& r : rows) EXPECT_EQ(MatchesPattern(r.name, r.pattern), r.matches) << r.name << " ~ " << r.pattern;
}

}  // namespace
}  // namespace tq::platform
