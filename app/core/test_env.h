// For tests: the real file system, plus files and folders that only "exist"
// by name, so that tests can use Windows paths such as C:\Replies\a.qdk.
#pragma once

#include <set>
#include <string>

#include "platform/forwarding_env.h"

namespace tq::app::testing {

class KnownPathsEnv final : public platform::ForwardingEnv {
 public:
  KnownPathsEnv() : ForwardingEnv(platform::Env::Default()) {}
  std::set<std::string> files, folders;

  bool FileExists(const std::string& path) override { return files.count(path) || base().FileExists(path); }
  bool DirectoryExists(const std::string& path) override {
    return folders.count(path) || base().DirectoryExists(path);
  }
};

}  // namespace tq::app::testing
