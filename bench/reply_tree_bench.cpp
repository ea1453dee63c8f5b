// How long the reply tree takes to build and sort, and a single lstrcmpA-order
// comparison, for libraries of growing size. Prints figures; asserts nothing.
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "app/core/reply_menu.h"
#include "app/core/reply_tree.h"
#include "app/core/text_order.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string Word(std::mt19937& rng, int min_len, int max_len) {
  static const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ \xe9\xe8-'";
  std::uniform_int_distribution<int> len(min_len, max_len);
  std::uniform_int_distribution<size_t> pick(0, letters.size() - 1);
  std::string s(static_cast<size_t>(len(rng)), ' ');
  for (char& c : s) c = letters[pick(rng)];
  return s;
}

double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main() {
  std::mt19937 rng(7);
  std::vector<std::string> categories;
  for (int i = 0; i < 60; ++i) categories.push_back(Word(rng, 4, 20));

  std::printf("%8s %12s %12s %12s\n", "replies", "build ms", "menu ms", "ids ms");
  for (int n : {100, 1000, 10000, 50000}) {
    std::vector<tq::library::ReplyRecord> records;
    std::uniform_int_distribution<size_t> cat(0, categories.size() - 1);
    for (int i = 0; i < n; ++i)
      records.push_back({categories[cat(rng)], Word(rng, 3, 32), "Response text", i % 7 == 0 ? 0x6041 + i % 26 : 0});
    tq::app::HotKeyRegistrar registrar{[](int, unsigned, unsigned) { return true; }, [](const std::string&) {}};

    auto t0 = Clock::now();
    tq::app::ReplyTree tree = tq::app::BuildReplyTree(records, true, registrar);
    auto t1 = Clock::now();
    auto menu = tq::app::BuildReplyMenu(tree);
    auto t2 = Clock::now();
    auto ids = tree.ReplyHotKeyIds();
    auto t3 = Clock::now();
    std::printf("%8d %12.2f %12.2f %12.3f\n", n, Millis(t1 - t0), Millis(t2 - t1), Millis(t3 - t2));
    if (menu.size() + ids.size() == 0) return 1;  // keep the work
  }

  std::vector<std::string> words;
  for (int i = 0; i < 2000; ++i) words.push_back(Word(rng, 3, 32));
  long long comparisons = 0, sum = 0;
  auto t0 = Clock::now();
  for (const auto& a : words)
    for (int j = 0; j < 200; ++j) {
      sum += tq::app::CompareWindowsText(a, words[static_cast<size_t>(j)]);
      ++comparisons;
    }
  double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / static_cast<double>(comparisons);
  std::printf("CompareWindowsText: %.0f ns per comparison of texts of 3-32 characters (%lld comparisons, sum %lld)\n",
              ns, comparisons, sum);
  return 0;
}
