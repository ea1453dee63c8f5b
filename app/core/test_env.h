// For tests: the real file system, plus files and folders that only "exist"
// by name, so that tests can use Windows paths such as C:\Replies\a.qdk.
#pragma once

#include <set>
#include <string>

#include "platform/env.h"

namespace tq::app::testing {

class KnownPathsEnv final : public platform::Env {
 public:
  std::set<std::string> files, folders;

  platform::Status OpenFile(const std::string& path, platform::FileAccess access, platform::FileShare share,
                            platform::FileCreate create, std::unique_ptr<platform::File>* file) override {
    return base_.OpenFile(path, access, share, create, file);
  }
  platform::Status MapFile(const std::string& path, std::unique_ptr<platform::MappedFile>* mapped) override {
    return base_.MapFile(path, mapped);
  }
  bool FileExists(const std::string& path) override { return files.count(path) || base_.FileExists(path); }
  bool DirectoryExists(const std::string& path) override { return folders.count(path) || base_.DirectoryExists(path); }
  platform::Status RemoveFile(const std::string& path) override { return base_.RemoveFile(path); }
  platform::Status RenameFile(const std::string& from, const std::string& to) override {
    return base_.RenameFile(from, to);
  }
  platform::Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override {
    return base_.CopyFileTo(from, to, overwrite);
  }
  platform::Status CreateDirectories(const std::string& path) override { return base_.CreateDirectories(path); }
  platform::Status LastWriteTime(const std::string& path, platform::FileTime* time) override {
    return base_.LastWriteTime(path, time);
  }
  platform::Status ListFiles(const std::string& folder, const std::string& pattern,
                             std::vector<std::string>* names) override {
    return base_.ListFiles(folder, pattern, names);
  }

 private:
  platform::Env& base_ = platform::Env::Default();
};

}  // namespace tq::app::testing
