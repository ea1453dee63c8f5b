// The reply search over a 10,000-reply library: building its index, and the
// time per keystroke while queries are typed letter by letter (and erased
// again). Times are the thread's CPU time, so that a busy machine does not
// inflate them. Prints figures; asserts nothing.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <time.h>

#include "app/core/reply_search.h"
#include "bench/english_text.h"

namespace {

// Microseconds of CPU time this thread has used.
double CpuMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// Words of real English text, from `at` on.
std::string Words(const std::string& text, size_t& at, int count) {
  std::string out;
  while (count > 0 && at < text.size()) {
    const size_t start = text.find_first_not_of(" \t\r\n", at);
    if (start == std::string::npos) break;
    const size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
    out += (out.empty() ? "" : " ") + text.substr(start, end - start);
    at = end;
    --count;
  }
  return out;
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main() {
  constexpr int kReplies = 10000;
  // Replies cut from the licence and copyright texts on this machine: real
  // words, names and numbers, 60 to 120 words each.
  const std::string english = tq::bench::EnglishText(12u << 20);
  std::vector<tq::library::ReplyRecord> records;
  size_t at = 0;
  for (int i = 0; i < kReplies; ++i) {
    if (at >= english.size()) at = 0;
    std::string description = Words(english, at, 3).substr(0, 32);
    std::string text = Words(english, at, 60 + i % 60);
    if (i % 4 == 0) text = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 " + text + "\\par}";
    records.push_back({"Category " + std::to_string(i % 40), description, text, 0});
  }
  const tq::app::HotKeyRegistrar quiet{[](int, unsigned, unsigned) { return true; }, {}};
  const tq::app::ReplyTree tree = tq::app::BuildReplyTree(records, false, quiet);

  const double t0 = CpuMicros();
  tq::app::ReplySearch search(tree, records);
  const double buildMs = (CpuMicros() - t0) / 1000;

  // Queries typed a letter at a time, then erased a letter at a time.
  const char* const queries[] = {"warranty", "software license", "copyright 2012", "permission notice",
                                 "gnu general public", "category 3 without", "zzz", "distribute modify"};
  std::vector<double> typing, erasing;
  size_t matched = 0;
  for (const char* q : queries) {
    const std::string full = q;
    for (size_t n = 1; n <= full.size(); ++n) {
      const double s = CpuMicros();
      matched += search.Find(full.substr(0, n)).size();
      typing.push_back(CpuMicros() - s);
    }
    for (size_t n = full.size(); n-- > 0;) {
      const double s = CpuMicros();
      matched += search.Find(full.substr(0, n)).size();
      erasing.push_back(CpuMicros() - s);
    }
  }
  size_t bytes = 0;
  for (const auto& r : records) bytes += r.Response.size();
  std::printf("replies %d (%zu bytes of text), index built in %.1f ms CPU\n", kReplies, bytes, buildMs);
  std::printf("%-20s %10s %10s %10s %8s\n", "keystroke", "median us", "p95 us", "max us", "count");
  for (auto [name, v] : {std::pair{"typing a letter", &typing}, std::pair{"erasing a letter", &erasing}})
    std::printf("%-20s %10.0f %10.0f %10.0f %8zu\n", name, Percentile(*v, 0.5), Percentile(*v, 0.95),
                Percentile(*v, 1.0), v->size());
  std::printf("(%zu matches listed in all)\n", matched);
  return 0;
}
