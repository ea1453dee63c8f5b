// ForwardingEnv: an Env that passes every call to another Env. Wrappers that
// change one or two operations (fault injection, counting, pretend files)
// derive from it and override only those.
#pragma once

#include "platform/env.h"

namespace tq::platform {

class ForwardingEnv : public Env {
 public:
  explicit ForwardingEnv(Env& base) : base_(base) {}

  Status OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                  std::unique_ptr<File>* file) override {
    return base_.OpenFile(path, access, share, create, file);
  }
  Status MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) override {
    return base_.MapFile(path, mapped);
  }
  bool FileExists(const std::string& path) override { return base_.FileExists(path); }
  bool DirectoryExists(const std::string& path) override { return base_.DirectoryExists(path); }
  Status RemoveFile(const std::string& path) override { return base_.RemoveFile(path); }
  Status RenameFile(const std::string& from, const std::string& to) override { return base_.RenameFile(from, to); }
  Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override {
    return base_.CopyFileTo(from, to, overwrite);
  }
  Status CreateDirectories(const std::string& path) override { return base_.CreateDirectories(path); }
  Status LastWriteTime(const std::string& path, FileTime* time) override { return base_.LastWriteTime(path, time); }
  Status IdentityOf(const std::string& path, FileIdentity* id) override { return base_.IdentityOf(path, id); }
  Status ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override {
    return base_.ListFiles(folder, pattern, names);
  }

 protected:
  Env& base() { return base_; }

 private:
  Env& base_;
};

}  // namespace tq::platform
