// CapturedRun: runs a command function that writes to two streams and keeps
// what it wrote, for tests of the quillet commands.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "tests/support/temp_stream.h"

namespace tq::testing {

struct RunResult {
  int code = 0;
  std::string out, err;
};

inline RunResult CapturedRun(const std::function<int(FILE* out, FILE* err)>& run) {
  FILE* out = tq::testing::TempStream();
  FILE* err = tq::testing::TempStream();
  RunResult r;
  r.code = run(out, err);
  for (auto [file, text] : {std::pair{out, &r.out}, std::pair{err, &r.err}}) {
    std::rewind(file);
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, file)) > 0;) text->append(buf, n);
    std::fclose(file);
  }
  return r;
}

}  // namespace tq::testing
