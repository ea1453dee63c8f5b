// MemoryEnv: a file system held in memory, for fuzz targets and tests that
// must not touch the disk whatever paths their input names. It keeps the
// Windows share rules (a refused opener gets a sharing violation, as from
// the real Envs), needs a file's folder to exist before the file can be
// created, and gives each write a later write time. Paths may use '\' or '/'.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/env.h"

namespace tq::platform {

class MemoryEnv final : public Env {
 public:
  MemoryEnv();
  ~MemoryEnv() override;

  Status OpenFile(const std::string& path, FileAccess access, FileShare share, FileCreate create,
                  std::unique_ptr<File>* file) override;
  Status MapFile(const std::string& path, std::unique_ptr<MappedFile>* mapped) override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  Status RemoveFile(const std::string& path) override;
  Status RenameFile(const std::string& from, const std::string& to) override;
  Status CopyFileTo(const std::string& from, const std::string& to, bool overwrite) override;
  Status CreateDirectories(const std::string& path) override;
  Status LastWriteTime(const std::string& path, FileTime* time) override;
  Status IdentityOf(const std::string& path, FileIdentity* id) override;
  Status ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>* names) override;

  // Every file's path, for tests that check what was written.
  std::vector<std::string> Files();
  // Takes the name away from a file even while it is open, as another
  // program may on a POSIX system or a network share; those who have it
  // open keep reading and writing the nameless file.
  Status Unlink(const std::string& path);

  struct Node;  // one file: its bytes, its time and who has it open

 private:
  class MemoryFile;
  class MemoryMappedFile;

  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<Node>> files_;
  std::set<std::string> folders_;
  FileTime clock_ = 1;
  uint64_t nextNumber_ = 1;  // each new file's number, for its identity
};

}  // namespace tq::platform
