// Plenty of English for the benchmarks: the licence texts and copyright
// files on this machine, up to about limit bytes.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::bench {

inline std::string EnglishText(size_t limit) {
  std::string text;
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator("/usr/share/common-licenses", ec))
    if (e.is_regular_file()) files.push_back(e.path());
  for (const auto& e : std::filesystem::directory_iterator("/usr/share/doc", ec))
    if (std::filesystem::is_regular_file(e.path() / "copyright")) files.push_back(e.path() / "copyright");
  std::sort(files.begin(), files.end());
  for (const auto& f : files) {
    std::string bytes;
    if (platform::ReadWholeFile(platform::Env::Default(), f.string(), &bytes)) text += bytes + "\n";
    if (text.size() >= limit) break;
  }
  return text;
}

}  // namespace tq::bench
